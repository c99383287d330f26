#include "Win32DialogWindow.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "AboutBox.h"
#include "AnsiIndex.h"
#include "DroppedFiles.h"
#include "EditNavigationInput.h"
#include "FileDialog.h"
#include "MinimisedIcon.h"
#include "Programs.h"
#include "Utf8Text.h"
#include "resource.h"

namespace quorvane::window::win32 {

namespace {

// Posted to the dialog by its initialisation: the dialog's loop takes it once
// the dialog is on screen, so that a message about the start files has its
// owner in view.
constexpr UINT kOpenStartFiles = WM_APP;

}  // namespace

Win32DialogWindow::Win32DialogWindow(HINSTANCE instance, int templateId,
                                     std::vector<std::string> startFiles)
    : m_instance(instance), m_templateId(templateId), m_startFiles(std::move(startFiles)) {}

int Win32DialogWindow::DoModal(DialogEvents& events) {
    m_events = &events;
    const INT_PTR result = DialogBoxParamW(m_instance, MAKEINTRESOURCEW(m_templateId), nullptr,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    m_events = nullptr;
    return static_cast<int>(result);
}

void Win32DialogWindow::EndDialog(int result) { ::EndDialog(m_window, result); }

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // The window object came with the creation; keep it with the window.
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Win32DialogWindow*>(lParam)->m_window = window;
    }
    auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return self != nullptr ? self->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR Win32DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            TrackEditCarets();
            m_annotations.Annotate(m_window, m_templateId);
            AcceptDroppedFiles(m_window);
            const bool focusFirstTabStop = m_events->OnInitDialog();
            if (!m_startFiles.empty()) PostMessageW(m_window, kOpenStartFiles, 0, 0);
            return focusFirstTabStop ? TRUE : FALSE;
        }
        case kOpenStartFiles:
            m_events->OnOpenFiles(std::exchange(m_startFiles, {}));
            return TRUE;
        case WM_DROPFILES:
            m_events->OnOpenFiles(TakeDroppedFiles(reinterpret_cast<HDROP>(wParam)));
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE) ForgetText(LOWORD(wParam));
            m_events->OnCommand(HIWORD(wParam), LOWORD(wParam));
            return TRUE;
        case kEditDoubleClickMessage: {
            const int id = static_cast<int>(wParam);
            m_events->OnEditDoubleClick(id,
                                        AnsiIndexOfUnit(KnownText(id), static_cast<DWORD>(lParam)));
            return TRUE;
        }
        case kEditStepKeyMessage:
            m_events->OnStepKey(static_cast<int>(wParam),
                                lParam != 0 ? StepDirection::Backward : StepDirection::Forward);
            return TRUE;
        case WM_SYSCOMMAND:
            // The dialog acts on its own commands; every command then goes on
            // to the default processing, which moves, closes and so on.
            m_events->OnSysCommand(static_cast<unsigned>(wParam), lParam);
            return FALSE;
        case WM_PAINT:
            if (!IsIconic(m_window)) return FALSE;
            PaintMinimisedIcon(m_window, m_bigIcon);
            return TRUE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(m_bigIcon);
        case WM_DESTROY:
            m_annotations.Clear();
            return FALSE;
        case WM_NCDESTROY:
            for (const auto& [id, tracker] : m_carets) ForgetText(id);
            m_carets.clear();
            m_window = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

void Win32DialogWindow::TrackEditCarets() {
    for (HWND child = GetWindow(m_window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (_wcsicmp(className, L"Edit") == 0) m_carets.try_emplace(GetDlgCtrlID(child), child);
    }
}

bool Win32DialogWindow::HasControl(int id) const { return Control(id) != nullptr; }

bool Win32DialogWindow::IsEditControl(int id) const { return m_carets.find(id) != m_carets.end(); }

std::string Win32DialogWindow::ReadControlText(int id) const {
    const auto length = SendDlgItemMessageA(m_window, id, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const UINT got = GetDlgItemTextA(m_window, id, text.data(), static_cast<int>(text.size()));
    text.resize(got);
    return text;
}

void Win32DialogWindow::SetWholeText(int id, std::string_view text) {
    // Setting an edit control's whole text puts its caret at the start, lays
    // out every line again and empties its undo.
    SetDlgItemTextA(m_window, id, std::string(text).c_str());
}

bool Win32DialogWindow::ReplaceText(int id, std::size_t start, std::size_t removedLength,
                                    std::string_view inserted) {
    // The known text is forgotten once the control reports the change: all
    // that is needed of it is taken before.
    const std::string_view shown = KnownText(id);
    const std::string_view rest = shown.substr(start);
    const std::size_t from = UnitIndexOfAnsi(shown, start);
    const std::size_t to = from + UnitIndexOfAnsi(rest, removedLength);
    const std::size_t after = UnitIndexOfAnsi(rest, rest.size()) - (to - from);
    const std::string replacement(inserted);
    HWND edit = Control(id);
    // Unlike a whole new text, a replacement keeps to the control's limit on
    // the length of its text (32,767 characters at first): none is wanted.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(edit, EM_SETSEL, from, static_cast<LPARAM>(to));
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacement.c_str()));
    // A control that refused part of the replacement (one that would not
    // scroll, say) has not taken it all.
    const std::size_t expected = from + UnitIndexOfAnsi(replacement, replacement.size()) + after;
    return static_cast<std::size_t>(GetWindowTextLengthW(edit)) == expected;
}

bool Win32DialogWindow::IsChecked(int id) const {
    return IsDlgButtonChecked(m_window, id) == BST_CHECKED;
}

void Win32DialogWindow::SetChecked(int id, bool checked) {
    CheckDlgButton(m_window, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32DialogWindow::EnableControl(int id, bool enabled) {
    if (HWND control = Control(id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

void Win32DialogWindow::FocusControl(int id) {
    if (HWND control = Control(id)) SetFocus(control);
}

std::size_t Win32DialogWindow::CaretIndex(int id) const {
    const auto tracker = m_carets.find(id);
    if (tracker == m_carets.end()) return 0;
    return AnsiIndexOfUnit(KnownText(id), tracker->second.CaretIndex());
}

void Win32DialogWindow::SetCaretIndex(int id, std::size_t index) { SelectRange(id, index, 0); }

void Win32DialogWindow::SelectRange(int id, std::size_t start, std::size_t length) {
    HWND control = Control(id);
    if (control == nullptr || m_carets.find(id) == m_carets.end()) return;
    // The end is counted on from the start.
    const std::string_view text = KnownText(id);
    const std::size_t from = UnitIndexOfAnsi(text, start);
    const std::size_t to =
        from + UnitIndexOfAnsi(text.substr(std::min(start, text.size())), length);
    SendMessageW(control, EM_SETSEL, from, static_cast<LPARAM>(to));
    SendMessageW(control, EM_SCROLLCARET, 0, 0);
}

void Win32DialogWindow::ShowMessage(std::string_view text) {
    // The box has the ordinary pointer, also in the middle of a long piece of
    // work; the wait cursor comes back after it.
    if (m_waitCursors > 0) SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    MessageBoxA(m_window, std::string(text).c_str(), "Message", MB_OK);
    if (m_waitCursors > 0) SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void Win32DialogWindow::BeginWaitCursor() {
    HCURSOR before = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    if (m_waitCursors++ == 0) m_cursorBeforeWait = before;
}

void Win32DialogWindow::EndWaitCursor() {
    if (--m_waitCursors == 0) SetCursor(m_cursorBeforeWait);
}

std::optional<std::string> Win32DialogWindow::ChooseFile(const FileDialogRequest& request) {
    return RunFileDialog(m_window, request);
}

void Win32DialogWindow::StartEditor(const std::string& path) { StartTextEditor(path); }

std::string Win32DialogWindow::ProgramPath() const { return ModuleFilePath(); }

std::string Win32DialogWindow::LoadResourceString(int id) const {
    // With no buffer, LoadStringW answers with the resource's own text, which
    // is not zero-terminated.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(m_instance, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) return {};
    return Utf8FromWide(std::wstring_view(text, static_cast<std::size_t>(length)));
}

IconHandle Win32DialogWindow::LoadAppIcon() {
    return reinterpret_cast<IconHandle>(LoadIconW(m_instance, MAKEINTRESOURCEW(IDR_MAINFRAME)));
}

void Win32DialogWindow::SetIcon(IconHandle icon, IconSize size) {
    HICON handle = reinterpret_cast<HICON>(icon);
    if (size == IconSize::Big) m_bigIcon = handle;
    SendMessageW(m_window, WM_SETICON, size == IconSize::Big ? ICON_BIG : ICON_SMALL,
                 reinterpret_cast<LPARAM>(handle));
}

bool Win32DialogWindow::HasSystemMenu() const { return GetSystemMenu(m_window, FALSE) != nullptr; }

void Win32DialogWindow::AppendSystemMenuItem(unsigned commandId, std::string_view text) {
    HMENU menu = GetSystemMenu(m_window, FALSE);
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, commandId, WideFromUtf8(text).c_str());
}

void Win32DialogWindow::ShowAboutBox() { RunAboutBox(m_instance, m_window); }

quorvane::batch::LeadBytePredicate Win32DialogWindow::LeadByteTest() const {
    return [](unsigned char c) { return IsDBCSLeadByte(c) != FALSE; };
}

}  // namespace quorvane::window::win32
