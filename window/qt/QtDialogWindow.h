// The dialog layer on Qt widgets: a dialog built from its template, its
// controls addressed by id, their events passed on to the dialog's handlers.
#pragma once

#include <QIcon>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CommandDialog.h"
#include "DialogBuilder.h"
#include "window/DialogWindow.h"

namespace quorvane::window::qt {

class QtDialogWindow final : public DialogWindow {
  public:
    // Starts the viewer of a written file; replaceable so that tests start nothing.
    using EditorLauncher = std::function<void(const QString& path)>;

    // The desktop's default application for the file, not waited for.
    static void OpenWithDesktop(const QString& path);

    explicit QtDialogWindow(int templateId, EditorLauncher launchEditor = OpenWithDesktop);
    ~QtDialogWindow() override;

    // Files to hand to the dialog once it is open and shown: those named on
    // the command line.
    void SetStartFiles(std::vector<std::string> paths) { m_startFiles = std::move(paths); }

    // Initialises the dialog and shows it, modal, without entering its loop,
    // then hands it the start files; false when the initialisation already
    // ended it.
    bool Open(DialogEvents& events);
    // The id of the dialog's native window; 0 until the dialog has been shown.
    std::uintptr_t NativeWindowId() const;

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
    bool HasSystemMenu() const override { return true; }
    void AppendSystemMenuItem(unsigned commandId, std::string_view text) override;
    void ShowAboutBox() override;

  protected:
    bool IsEditControl(int id) const override;
    std::string ReadControlText(int id) const override;
    void SetWholeText(int id, std::string_view text) override;
    bool ReplaceText(int id, std::size_t start, std::size_t removedLength,
                     std::string_view inserted) override;

  private:
    // Tests and benchmarks reach the dialog's widget through it, to drive
    // its controls as a person does.
    friend class QtDialogWindowSeam;

    void ConnectButtons();
    // Forgets the known text of a multi-line edit box whenever its document changes.
    void WatchEditTexts();
    // Passes the double-clicks and the F8 keys of the multi-line edit boxes on to the dialog.
    void WatchNavigationInput();
    void ReturnFocusToDialog();

    std::unique_ptr<CommandDialog> m_dialog;
    DialogControls m_controls;
    DialogEvents* m_events = nullptr;
    bool m_ended = false;
    EditorLauncher m_launchEditor;
    std::vector<std::string> m_startFiles;
};

}  // namespace quorvane::window::qt
