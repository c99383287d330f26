// The four entries of the skinning library SkinMagicTrial.dll that the
// program calls at start-up. They are exported by ordinal only (see
// SkinMagicTrial.def), so the names here are for the linker; the program
// binds to the ordinals at load time. Text arguments are zero-terminated
// ANSI strings; every entry returns nonzero on success.
#pragma once

#include <windows.h>

extern "C" {

// Ordinal 1: prepares the library for the module; the three further values
// are the library's own settings, 0 when unused.
int WINAPI SkinInitLibrary(HINSTANCE instance, int first, int second, int third);

// Ordinal 3: loads a skin file.
int WINAPI SkinLoadFile(const char* fileName);

// Ordinal 5: selects the named skin for a window.
int WINAPI SkinSetWindowSkin(HWND window, const char* skinName);

// Ordinal 8: selects the named skin for dialogs.
int WINAPI SkinSetDialogSkin(const char* skinName);
}
