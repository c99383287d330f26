// The about box, dialog template 100: it shows and closes, nothing more.
#pragma once

#include <windows.h>

namespace quorvane::window::win32 {

// Runs the about box modally, owned by `owner`.
void RunAboutBox(HINSTANCE instance, HWND owner);

}  // namespace quorvane::window::win32
