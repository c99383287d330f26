// The picture of a minimised dialog: its icon in the middle of the client area.
#pragma once

#include <windows.h>

namespace quorvane::window::win32 {

// Paints in answer to WM_PAINT of a minimised window.
void PaintMinimisedIcon(HWND window, HICON icon);

}  // namespace quorvane::window::win32
