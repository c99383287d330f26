#include "QuorvaneProcess.h"

#include <atomic>
#include <set>
#include <thread>

#include "ProgramWindows.h"

namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kMainCaption[] = L"ExprQuorvane V1.6.5";
constexpr wchar_t kMessageCaption[] = L"Message";
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kHandlingTimeoutMs = 60000;

}  // namespace

// The longest text among its statics.
std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND label : DescendantWindows(box, L"Static")) {
        std::string labelText = WindowText(label);
        if (labelText.size() > text.size()) text = std::move(labelText);
    }
    return text;
}

QuorvaneProcess::QuorvaneProcess(const std::string& programPath, const std::string& folder,
                                 std::string_view arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + programPath + "\"";
    if (!arguments.empty()) commandLine += " " + std::string(arguments);
    if (!CreateProcessA(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.c_str(), &startup, &m_process)) {
        m_process = {};
        return;
    }
    WaitUntil(
        [this] {
            for (HWND window : VisibleTopLevelWindows(m_process.dwProcessId, kDialogClass)) {
                if (WideWindowText(window) == kMainCaption) m_dialog = window;
            }
            return m_dialog != nullptr;
        },
        kStartTimeoutMs);
}

QuorvaneProcess::~QuorvaneProcess() {
    if (m_process.hProcess == nullptr) return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, kStartTimeoutMs);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

std::string QuorvaneProcess::Text(int id) const { return WindowText(Control(id)); }

void QuorvaneProcess::SetText(int id, std::string_view text) {
    SetWindowTextRemote(Control(id), text);
}

bool QuorvaneProcess::IsEnabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

bool QuorvaneProcess::IsChecked(int id) const {
    return SendWithTimeout(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void QuorvaneProcess::SetChecked(int id, bool checked) {
    if (IsChecked(id) != checked) Click(id);
}

GUITHREADINFO QuorvaneProcess::ThreadInput() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(m_process.dwThreadId, &info)) return {};
    return info;
}

HWND QuorvaneProcess::Focus() const { return ThreadInput().hwndFocus; }

HWND QuorvaneProcess::Capture() const { return ThreadInput().hwndCapture; }

bool QuorvaneProcess::FocusComesTo(int id) {
    HWND control = Control(id);
    return WaitUntil(
        [&] {
            const GUITHREADINFO input = ThreadInput();
            const bool inFront = GetForegroundWindow() == m_dialog;
            if (input.hwndFocus == control && inFront) return true;
            if (input.hwndActive == nullptr || (input.hwndActive == m_dialog && !inFront)) {
                SetForegroundWindow(m_dialog);
            }
            return false;
        },
        3000);
}

void QuorvaneProcess::FocusOn(int id) {
    SendWithTimeout(m_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
}

void QuorvaneProcess::Select(int id, DWORD anchor, DWORD caret) {
    SendWithTimeout(Control(id), EM_SETSEL, anchor, static_cast<LPARAM>(caret));
    SendWithTimeout(Control(id), EM_SCROLLCARET, 0, 0);
}

std::pair<unsigned, unsigned> QuorvaneProcess::Selection16(int id) const {
    const auto selection = static_cast<DWORD>(SendWithTimeout(Control(id), EM_GETSEL, 0, 0));
    return {LOWORD(selection), HIWORD(selection)};
}

Interaction QuorvaneProcess::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                                  const DialogHandler& onDialog) {
    // The message goes from a thread of its own: the send returns only when
    // the handling is over, and that waits for the modal windows it opens.
    std::atomic<bool> done{false};
    std::thread sender([&] {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(target, message, wParam, lParam, SMTO_NORMAL, kHandlingTimeoutMs,
                            &result);
        done = true;
    });
    Interaction interaction = AnswerUntil([&] { return done.load(); }, onDialog);
    sender.join();
    interaction.returned = done;
    return interaction;
}

Interaction QuorvaneProcess::AnswerUntil(const std::function<bool()>& finished,
                                         const DialogHandler& onDialog) {
    Interaction interaction;
    std::set<HWND> seen{m_dialog};
    interaction.returned = WaitUntil(
        [&] {
            if (finished()) return true;
            for (HWND dialog : VisibleTopLevelWindows(m_process.dwProcessId, kDialogClass)) {
                if (!seen.insert(dialog).second) continue;
                if (WideWindowText(dialog) == kMessageCaption) {
                    interaction.messages.push_back(MessageBoxText(dialog));
                    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
                } else {
                    ++interaction.otherDialogs;
                    if (onDialog) {
                        onDialog(dialog);
                    } else {
                        PostMessageW(dialog, WM_CLOSE, 0, 0);
                    }
                }
            }
            return false;
        },
        kHandlingTimeoutMs);
    return interaction;
}

Interaction QuorvaneProcess::Click(int id, const DialogHandler& onDialog) {
    return Send(Control(id), BM_CLICK, 0, 0, onDialog);
}

HWND QuorvaneProcess::AwaitMessageBox() const {
    HWND box = nullptr;
    WaitUntil([&] {
        for (HWND dialog : VisibleTopLevelWindows(m_process.dwProcessId, kDialogClass)) {
            if (WideWindowText(dialog) == kMessageCaption) box = dialog;
        }
        return box != nullptr;
    });
    return box;
}

bool QuorvaneProcess::WaitForExit(DWORD& exitCode) {
    if (WaitForSingleObject(m_process.hProcess, kStartTimeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(m_process.hProcess, &exitCode) != FALSE;
}

void PressKey(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

bool CloseEditorShowing(std::string_view fileName) {
    const std::wstring name = Wide(fileName);
    HWND editor = nullptr;
    WaitUntil([&] {
        for (HWND window : VisibleTopLevelWindows(0, L"Notepad")) {
            if (WideWindowText(window).find(name) != std::wstring::npos) editor = window;
        }
        return editor != nullptr;
    });
    if (editor == nullptr) return false;
    PostMessageW(editor, WM_CLOSE, 0, 0);
    return WaitUntil([editor] { return !IsWindow(editor); });
}
