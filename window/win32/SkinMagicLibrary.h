// The skinning library of the start-up, reached through the four entries that
// the program imports from SkinMagicTrial.dll.
#pragma once

#include "window/QuorvaneApp.h"

namespace quorvane::window::win32 {

class SkinMagicLibrary : public SkinLibrary {
  public:
    void Init(std::uintptr_t instance, int a, int b, int c) override;
    void LoadSkinFile(const char* fileName) override;
    void SetWindowSkin(std::uintptr_t window, const char* skinName) override;
    void SetDialogSkin(const char* skinName) override;
};

}  // namespace quorvane::window::win32
