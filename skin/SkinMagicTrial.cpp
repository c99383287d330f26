// A stand-in for the skinning library: it keeps the entries that the program
// imports and changes nothing on screen, so the program looks like a plain
// Windows program. Whoever owns the real library can put it in place of this
// one beside the program.
#include "SkinMagic.h"

extern "C" {

int WINAPI SkinInitLibrary(HINSTANCE, int, int, int) { return 1; }

int WINAPI SkinLoadFile(const char*) { return 1; }

int WINAPI SkinSetWindowSkin(HWND, const char*) { return 1; }

int WINAPI SkinSetDialogSkin(const char*) { return 1; }
}
