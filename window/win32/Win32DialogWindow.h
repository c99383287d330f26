// The dialog layer on Win32: a modal dialog built from a template of the
// program's resources, around a dialog procedure that forwards the dialog's
// messages to its DialogEvents. Controls are reached by id with the ANSI
// functions, so their texts are in the system's ANSI code page, and so are
// the caret indices: byte indices into those texts. Files dropped on the
// dialog, and the start files once it is open, go to the dialog as files
// handed over.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "AccessibleAnnotations.h"
#include "EditCaret.h"
#include "window/DialogWindow.h"

namespace quorvane::window::win32 {

class Win32DialogWindow : public DialogWindow {
  public:
    // `startFiles`: handed to the dialog once it is open and shown.
    Win32DialogWindow(HINSTANCE instance, int templateId, std::vector<std::string> startFiles = {});
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    // The dialog's window; null while it does not exist.
    HWND Handle() const { return m_window; }

    int DoModal(DialogEvents& events) override;
    void EndDialog(int result) override;

    bool HasControl(int id) const override;
    bool IsChecked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void EnableControl(int id, bool enabled) override;
    void FocusControl(int id) override;
    std::size_t CaretIndex(int id) const override;
    void SetCaretIndex(int id, std::size_t index) override;
    void SelectRange(int id, std::size_t start, std::size_t length) override;

    void ShowMessage(std::string_view text) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    void StartEditor(const std::string& path) override;
    std::string ProgramPath() const override;

    std::string LoadResourceString(int id) const override;
    IconHandle LoadAppIcon() override;
    void SetIcon(IconHandle icon, IconSize size) override;
    bool HasSystemMenu() const override;
    void AppendSystemMenuItem(unsigned commandId, std::string_view text) override;
    void ShowAboutBox() override;

    quorvane::batch::LeadBytePredicate LeadByteTest() const override;

  protected:
    // Every edit control of the dialog.
    bool IsEditControl(int id) const override;
    std::string ReadControlText(int id) const override;
    void SetWholeText(int id, std::string_view text) override;
    // The range goes to the control in its UTF-16 units, counted in the
    // known ANSI text.
    bool ReplaceText(int id, std::size_t start, std::size_t removedLength,
                     std::string_view inserted) override;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Watches the caret of every edit control of the dialog.
    void TrackEditCarets();
    HWND Control(int id) const { return GetDlgItem(m_window, id); }

    HINSTANCE m_instance;
    int m_templateId;
    std::vector<std::string> m_startFiles;
    HWND m_window = nullptr;
    DialogEvents* m_events = nullptr;
    HICON m_bigIcon = nullptr;
    std::map<int, EditCaretTracker> m_carets;  // by control id
    AccessibleAnnotations m_annotations;
    int m_waitCursors = 0;  // begun and not yet ended
    HCURSOR m_cursorBeforeWait = nullptr;
};

}  // namespace quorvane::window::win32
