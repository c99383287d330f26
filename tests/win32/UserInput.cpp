#include "UserInput.h"

#include <algorithm>
#include <vector>

#include "ProgramWindows.h"

namespace {

constexpr DWORD kInputTimeoutMs = 10000;

bool Send(std::vector<INPUT> inputs) {
    const UINT count = static_cast<UINT>(inputs.size());
    return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

INPUT Mouse(DWORD flags, POINT screenPoint = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if ((flags & MOUSEEVENTF_ABSOLUTE) != 0) {
        // Absolute positions go from 0 to 65535 across the screen.
        input.mi.dx = MulDiv(screenPoint.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
        input.mi.dy = MulDiv(screenPoint.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    }
    return input;
}

INPUT Key(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

// The key that gives the character, whatever the keyboard layout.
INPUT CharacterKey(wchar_t character, DWORD flags) {
    INPUT input = Key(0, KEYEVENTF_UNICODE | flags);
    input.ki.wScan = character;
    return input;
}

bool CursorAt(POINT point) {
    POINT cursor{};
    GetCursorPos(&cursor);
    return cursor.x == point.x && cursor.y == point.y;
}

}  // namespace

void ParkPointer() {
    const POINT corner{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
    Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, corner)});
    WaitUntil([&] { return CursorAt(corner); }, kInputTimeoutMs);
}

bool UserInput::PointAt(POINT screenPoint) {
    // The window system may still bring pointer positions from before (a
    // window that closed under the pointer, say): the pointer is where it
    // should be once it has stayed there while the program had time to
    // take in whatever was pending.
    int steady = 0;
    for (int round = 0; round < 100 && steady < 3; ++round) {
        if (!CursorAt(screenPoint)) {
            steady = 0;
            if (!Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screenPoint)})) return false;
        } else {
            ++steady;
        }
        SendWithTimeout(m_program.Dialog(), WM_NULL, 0, 0);
        Sleep(20);
    }
    return steady >= 3;
}

bool UserInput::PressAndRelease(HWND window, POINT screenPoint) {
    // The control holds the mouse from the press to the release and lets it
    // go just before it acts on the click; then a message sent to the dialog
    // is answered only when that handling is over.
    const bool pressed = Send({Mouse(MOUSEEVENTF_LEFTDOWN)}) &&
                         WaitUntil([&] { return m_program.Capture() == window; }, kInputTimeoutMs);
    const bool stillThere = PointAt(screenPoint);
    const bool released = Send({Mouse(MOUSEEVENTF_LEFTUP)}) &&
                          WaitUntil([&] { return m_program.Capture() != window; }, kInputTimeoutMs);
    SendWithTimeout(m_program.Dialog(), WM_NULL, 0, 0);
    return pressed && stillThere && released;
}

bool UserInput::ClickAt(HWND window, POINT clientPoint) {
    POINT screen = clientPoint;
    ClientToScreen(window, &screen);
    return PointAt(screen) && PressAndRelease(window, screen);
}

bool UserInput::DoubleClickAt(HWND window, POINT clientPoint) {
    POINT screen = clientPoint;
    ClientToScreen(window, &screen);
    // The second press comes at once, well within the double-click time.
    return PointAt(screen) && PressAndRelease(window, screen) && PressAndRelease(window, screen);
}

bool UserInput::Click(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return ClickAt(window, {(client.left + client.right) / 2, (client.top + client.bottom) / 2});
}

bool UserInput::Nudge() {
    POINT cursor{};
    return GetCursorPos(&cursor) && PointAt({cursor.x + 1, cursor.y});
}

bool UserInput::Type(std::wstring_view text) {
    HWND edit = m_program.Focus();
    const std::wstring before = WideWindowText(edit);
    // EM_GETSEL answers in 16 bits, enough for the short texts people type.
    const auto selection = static_cast<DWORD>(SendWithTimeout(edit, EM_GETSEL, 0, 0));
    const std::size_t start = std::min<std::size_t>(LOWORD(selection), before.size());
    const std::size_t end = std::min<std::size_t>(HIWORD(selection), before.size());
    std::wstring expected = before.substr(0, start);
    std::vector<INPUT> keys;
    for (const wchar_t character : text) {
        if (character == L'\n') {
            expected += L"\r\n";
            keys.push_back(Key(VK_CONTROL, 0));
            keys.push_back(Key(VK_RETURN, 0));
            keys.push_back(Key(VK_RETURN, KEYEVENTF_KEYUP));
            keys.push_back(Key(VK_CONTROL, KEYEVENTF_KEYUP));
        } else {
            expected += character;
            keys.push_back(CharacterKey(character, 0));
            keys.push_back(CharacterKey(character, KEYEVENTF_KEYUP));
        }
    }
    expected += before.substr(end);
    // The keys are taken in when the edit shows what they type.
    return Send(std::move(keys)) &&
           WaitUntil([&] { return WideWindowText(edit) == expected; }, kInputTimeoutMs);
}

bool UserInput::Press(WORD key, WORD modifier) {
    if (modifier == 0) return Send({Key(key, 0), Key(key, KEYEVENTF_KEYUP)});
    return Send(
        {Key(modifier, 0), Key(key, 0), Key(key, KEYEVENTF_KEYUP), Key(modifier, KEYEVENTF_KEYUP)});
}

bool UserInput::Undo() {
    HWND edit = m_program.Focus();
    const std::wstring before = WideWindowText(edit);
    // Ctrl+Z reaches the edit control as its character, SUB, on which the
    // control undoes; the key of that character is pressed. Holding the
    // Ctrl key itself is not safe here: input given through SendInput
    // passes the X server by, so when wine takes in the X events of a
    // window that has just appeared (mapped, focused, entered by the
    // pointer), it brings its key state back to that of the X keyboard,
    // on which no key is down, and a Ctrl held at that moment is let go
    // before the Z: the box would get a "z".
    constexpr wchar_t kCtrlZ = L'\x1A';
    return Send({CharacterKey(kCtrlZ, 0), CharacterKey(kCtrlZ, KEYEVENTF_KEYUP)}) &&
           WaitUntil([&] { return WideWindowText(edit) != before; }, kInputTimeoutMs);
}
