// Reaching the windows of another process: finding them, reading and setting
// their texts with WM_GETTEXT and WM_SETTEXT (GetWindowText answers nothing
// across processes), and waiting for something to happen on screen. Every
// message is sent with a time-out, so a hung program cannot hang the tests.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr UINT kSendTimeoutMs = 20000;

// Sends a message and waits for its answer; 0 when it did not come in time.
LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The visible top-level windows of a class; of one process, unless it is 0.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const wchar_t* className);

// All descendants of a window with the class.
std::vector<HWND> DescendantWindows(HWND parent, const wchar_t* className);

// A window's text in the ANSI code page, and as UTF-16.
std::string WindowText(HWND window);
std::wstring WideWindowText(HWND window);
void SetWindowTextRemote(HWND window, std::string_view text);

// Waits until the condition holds, looking every few milliseconds; false if
// it did not within the time.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// UTF-8 as UTF-16, for comparing texts that the program shows in Chinese.
std::wstring Wide(std::string_view utf8);
