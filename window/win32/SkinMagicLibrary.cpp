#include "SkinMagicLibrary.h"

#include "SkinMagic.h"

namespace quorvane::window::win32 {

// The library's answers are not needed: the program looks the same, skinned or not.

void SkinMagicLibrary::Init(std::uintptr_t instance, int a, int b, int c) {
    SkinInitLibrary(reinterpret_cast<HINSTANCE>(instance), a, b, c);
}

void SkinMagicLibrary::LoadSkinFile(const char* fileName) { SkinLoadFile(fileName); }

void SkinMagicLibrary::SetWindowSkin(std::uintptr_t window, const char* skinName) {
    SkinSetWindowSkin(reinterpret_cast<HWND>(window), skinName);
}

void SkinMagicLibrary::SetDialogSkin(const char* skinName) { SkinSetDialogSkin(skinName); }

}  // namespace quorvane::window::win32
