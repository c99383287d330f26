// An in-memory dialog window for tests: it holds the controls of the main
// dialog's template (texts, checks, enabled states, focus, caret and
// selection), records every message box, editor start, file dialog, icon,
// system-menu item and about box, and answers file dialogs from answers the
// test queued. The test acts as the user through Open, Click, Type, PlaceCaret,
// DoubleClick, PressStepKey, SystemCommand and OpenFiles.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "window/DialogWindow.h"

namespace quorvane::window::scripted {

class ScriptedWindow : public DialogWindow {
  public:
    struct Control {
        std::string text;
        bool checked = false;
        bool enabled = true;
        bool autoCheckBox = false;  // ticks or clears itself when clicked
        bool edit = false;          // an edit control, whose text the dialog layer keeps
        bool tabStop = false;
        std::size_t anchor = 0;  // the fixed end of the selection
        std::size_t caret = 0;   // the moving end; equal to anchor: nothing selected
    };

    struct MenuItem {
        unsigned commandId;
        std::string text;
    };

    static constexpr IconHandle kAppIcon = 0x80;
    static constexpr int kNotEnded = -1;

    // A window with the controls of the main dialog's template.
    ScriptedWindow();

    // --- The dialog layer ---
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
    void BeginWaitCursor() override { ++m_waitCursors; }
    void EndWaitCursor() override { --m_waitCursors; }
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    void StartEditor(const std::string& path) override;
    std::string ProgramPath() const override { return m_programPath; }
    std::string LoadResourceString(int id) const override;
    IconHandle LoadAppIcon() override;
    void SetIcon(IconHandle icon, IconSize size) override;
    bool HasSystemMenu() const override { return m_hasSystemMenu; }
    void AppendSystemMenuItem(unsigned commandId, std::string_view text) override;
    void ShowAboutBox() override { ++m_aboutBoxes; }
    quorvane::batch::LeadBytePredicate LeadByteTest() const override { return m_leadByteTest; }

    // --- The test as the user ---
    // Creates the window for the dialog: its initialisation runs, and when it
    // asks for it the first enabled tab stop gets the focus.
    void Open(DialogEvents& events);
    // Presses a control: an auto check box changes its tick first. A disabled
    // control takes no click; returns whether the dialog heard of it.
    bool Click(int id);
    // Replaces the text of an enabled control as typing would; the caret ends
    // after it.
    void Type(int id, std::string_view text);
    // Puts the caret, or selects from `anchor` to `caret`.
    void PlaceCaret(int id, std::size_t caret) { Select(id, caret, caret); }
    void Select(int id, std::size_t anchor, std::size_t caret);
    // Double-clicks in an edit at the index of its text: the control takes
    // the focus and the caret, then the dialog hears of it.
    void DoubleClick(int id, std::size_t index);
    // Presses F8 (Shift+F8 for Backward) in an edit, which has the focus.
    void PressStepKey(int id, StepDirection direction);
    void SystemCommand(unsigned commandId);
    // Hands files to the dialog, as the command line or a drop on the window does.
    void OpenFiles(const std::vector<std::string>& paths);
    // What DoModal does once the window is open, like a user would.
    void SetSession(std::function<void(ScriptedWindow&)> session) {
        m_session = std::move(session);
    }

    // --- Set-up of the window system ---
    void QueueFileAnswer(std::optional<std::string> answer) {
        m_fileAnswers.push_back(std::move(answer));
    }
    void RemoveControl(int id) { m_controls.erase(id); }
    void SetResourceString(int id, std::string text) { m_strings[id] = std::move(text); }
    void SetHasSystemMenu(bool has) { m_hasSystemMenu = has; }
    void SetProgramPath(std::string path) { m_programPath = std::move(path); }
    void SetLeadByteTest(quorvane::batch::LeadBytePredicate test) { m_leadByteTest = test; }

    // --- What happened ---
    const Control& At(int id) const;
    bool IsOpen() const { return m_events != nullptr && !Ended(); }
    bool Ended() const { return m_endResult != kNotEnded; }
    int EndResult() const { return m_endResult; }
    int Focus() const { return m_focus; }  // 0 while no control has it
    const std::vector<std::string>& Messages() const { return m_messages; }
    const std::vector<std::string>& EditorStarts() const { return m_editorStarts; }
    const std::vector<FileDialogRequest>& FileRequests() const { return m_fileRequests; }
    const std::vector<MenuItem>& SystemMenuItems() const { return m_menuItems; }
    const std::vector<std::pair<IconHandle, IconSize>>& Icons() const { return m_icons; }
    int AboutBoxes() const { return m_aboutBoxes; }
    // Wait cursors begun and not yet ended.
    int WaitCursors() const { return m_waitCursors; }
    // Wait cursors that were on when the last message box appeared.
    int WaitCursorsAtMessage() const { return m_waitCursorsAtMessage; }
    int IconLoads() const { return m_iconLoads; }

  protected:
    bool IsEditControl(int id) const override;
    std::string ReadControlText(int id) const override;
    // A changed text puts the caret at the start; so does a replacement.
    void SetWholeText(int id, std::string_view text) override;
    bool ReplaceText(int id, std::size_t start, std::size_t removedLength,
                     std::string_view inserted) override;

  private:
    Control& Find(int id);

    std::map<int, Control> m_controls;
    std::vector<int> m_tabOrder;
    DialogEvents* m_events = nullptr;
    std::function<void(ScriptedWindow&)> m_session;
    int m_endResult = kNotEnded;
    int m_focus = 0;

    std::deque<std::optional<std::string>> m_fileAnswers;
    std::map<int, std::string> m_strings;
    bool m_hasSystemMenu = true;
    std::string m_programPath = "/opt/quorvane/bin/quorvane";
    quorvane::batch::LeadBytePredicate m_leadByteTest = nullptr;

    std::vector<std::string> m_messages;
    std::vector<std::string> m_editorStarts;
    std::vector<FileDialogRequest> m_fileRequests;
    std::vector<MenuItem> m_menuItems;
    std::vector<std::pair<IconHandle, IconSize>> m_icons;
    int m_aboutBoxes = 0;
    int m_waitCursors = 0;
    int m_waitCursorsAtMessage = 0;
    int m_iconLoads = 0;
};

}  // namespace quorvane::window::scripted
