#include "ProgramWindows.h"

#include <cwchar>

#include "Utf8Text.h"

using quorvane::window::win32::WideFromUtf8;

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
};

bool HasClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return _wcsicmp(name, className) == 0;
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if ((search.processId == 0 || processId == search.processId) && IsWindowVisible(window) &&
        HasClass(window, search.className)) {
        search.found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectDescendant(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    if (HasClass(window, search.className)) search.found.push_back(window);
    return TRUE;
}

}  // namespace

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs,
                             &result)) {
        return 0;
    }
    return static_cast<LRESULT>(result);
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> DescendantWindows(HWND parent, const wchar_t* className) {
    WindowSearch search{0, className, {}};
    EnumChildWindows(parent, CollectDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kSendTimeoutMs,
                             &length)) {
        return {};
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, kSendTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

std::wstring WideWindowText(HWND window) {
    const LRESULT length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void SetWindowTextRemote(HWND window, std::string_view text) {
    const std::string zeroTerminated(text);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(zeroTerminated.c_str()),
                        SMTO_NORMAL, kSendTimeoutMs, &result);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() > deadline) return false;
        Sleep(10);
    }
}

std::wstring Wide(std::string_view utf8) { return WideFromUtf8(utf8); }
