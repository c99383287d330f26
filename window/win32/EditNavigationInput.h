// The input of a multi-line edit control that moves about rather than edits:
// a double-click in its text and F8 / Shift+F8. The edit's window procedure
// hands each message here first; this input goes on to the edit's dialog as
// messages of its own, which the dialog passes to its handlers.
#pragma once

#include <windows.h>

namespace quorvane::window::win32 {

// To the dialog, after the edit has handled a double-click: wParam the
// edit's control id, lParam the position in its text (in UTF-16 units) where
// the pointer was.
inline constexpr UINT kEditDoubleClickMessage = WM_APP + 1;
// To the dialog instead of F8 reaching the edit: wParam the edit's control
// id, lParam 1 for Shift+F8 and 0 for F8.
inline constexpr UINT kEditStepKeyMessage = WM_APP + 2;

// Passes the message on when it is such input of a multi-line edit, with
// `original`, the edit's own window procedure, handling it as far as the
// edit is to; true with the answer in `result` if it was such input.
bool PassNavigationInput(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC original,
                         LRESULT& result);

}  // namespace quorvane::window::win32
