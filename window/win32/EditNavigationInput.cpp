#include "EditNavigationInput.h"

namespace quorvane::window::win32 {

namespace {

bool KeyDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

}  // namespace

bool PassNavigationInput(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC original,
                         LRESULT& result) {
    if (message != WM_KEYDOWN && message != WM_LBUTTONDBLCLK) return false;
    if ((GetWindowLongW(edit, GWL_STYLE) & ES_MULTILINE) == 0) return false;
    const auto id = static_cast<WPARAM>(GetDlgCtrlID(edit));
    if (message == WM_KEYDOWN) {
        if (wParam != VK_F8 || KeyDown(VK_CONTROL)) return false;
        SendMessageW(GetParent(edit), kEditStepKeyMessage, id, KeyDown(VK_SHIFT) ? 1 : 0);
        result = 0;
        return true;
    }
    // The first click of the two has put the caret, the selection's end,
    // where the pointer is; the edit then selects the word there, as it
    // always does.
    DWORD start = 0;
    DWORD caret = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&caret));
    result = CallWindowProcW(original, edit, message, wParam, lParam);
    SendMessageW(GetParent(edit), kEditDoubleClickMessage, id, static_cast<LPARAM>(caret));
    return true;
}

}  // namespace quorvane::window::win32
