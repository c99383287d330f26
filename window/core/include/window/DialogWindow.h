// The dialog layer: everything the calculator's dialog asks of a window,
// addressed by control id. The dialog logic talks to its window only through
// this interface; each front end (Win32, Qt, the scripted window of the tests)
// implements it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/LeadByte.h"

namespace quorvane::window {

// Which way a key that steps through a list goes: F8 forward, Shift+F8 back,
// as in the error list of a development environment.
enum class StepDirection { Forward, Backward };

// The handlers a window calls when something happens to the dialog.
class DialogEvents {
  public:
    virtual ~DialogEvents() = default;
    // The window exists and its controls are created.
    virtual bool OnInitDialog() = 0;
    // A control sent a notification (for buttons: kButtonClicked).
    virtual void OnCommand(int notification, int controlId) = 0;
    // A command of the system menu.
    virtual void OnSysCommand(unsigned commandId, std::intptr_t param) = 0;
    // Files handed to the open dialog from outside, in the order given: named
    // on the program's command line, or dropped on the window.
    virtual void OnOpenFiles(const std::vector<std::string>& paths) = 0;
    // A double-click in a multi-line edit control, at the index of its text
    // (CR LF counts two) where the pointer was.
    virtual void OnEditDoubleClick(int controlId, std::size_t index) = 0;
    // F8 (forward) or Shift+F8 (back) in a multi-line edit control.
    virtual void OnStepKey(int controlId, StepDirection direction) = 0;
};

enum class FileDialogKind { Open, Save };

// What a common file dialog is opened with.
struct FileDialogRequest {
    FileDialogKind kind;
    std::string defaultExtension;  // empty: none
    std::string initialName;       // empty: none
    bool overwritePrompt;
    std::string typeDescription;  // the one entry of the file-type list, UTF-8: a front end
                                  // converts it to the code page its file dialog reads
    std::string typePattern;
    std::string initialFolder;
};

// An opaque icon handle of the window system.
using IconHandle = std::uintptr_t;

enum class IconSize { Big, Small };

class DialogWindow {
  public:
    virtual ~DialogWindow() = default;

    // Runs the dialog modally, calling `events` until it closes; returns the
    // value given to EndDialog.
    virtual int DoModal(DialogEvents& events) = 0;
    virtual void EndDialog(int result) = 0;

    // Controls. Texts are 8-bit, line breaks CR LF.
    virtual bool HasControl(int id) const = 0;
    // The text of an edit control is known from the time it was last read or
    // set until the user changes the control: reading a text of many lines
    // from a control costs more than a keypad press.
    std::string ControlText(int id) const;
    // A control that shows the text already is left alone. An edit control
    // takes only the part that changed, as one step that its undo takes
    // back, its caret, scroll position and the layout of the rest kept; a
    // new text (see TextChange::NewText) it takes whole, not undoable as an
    // edit.
    void SetControlText(int id, std::string_view text);
    virtual bool IsChecked(int id) const = 0;
    virtual void SetChecked(int id, bool checked) = 0;
    virtual void EnableControl(int id, bool enabled) = 0;
    virtual void FocusControl(int id) = 0;

    // The caret of an edit control as an index into its text (CR LF counts
    // two), where it stood when the user last edited the control; and putting
    // it at an index with nothing selected, scrolled into view.
    virtual std::size_t CaretIndex(int id) const = 0;
    virtual void SetCaretIndex(int id, std::size_t index) = 0;
    // Selects `length` bytes of an edit control's text from the index
    // `start`, the caret at the end of the selection, scrolled into view.
    virtual void SelectRange(int id, std::size_t start, std::size_t length) = 0;

    // A modal message box owned by the dialog: caption "Message", one OK
    // button, no icon. It shows the ordinary pointer, also while the wait
    // cursor is on.
    virtual void ShowMessage(std::string_view text) = 0;
    // The wait cursor over the dialog from BeginWaitCursor to the matching
    // EndWaitCursor; pairs nest. Use WaitCursor rather than the pair.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // A common file dialog; the chosen full path, or nothing when cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;
    // Starts the system text editor on the file, without waiting, without a shell.
    virtual void StartEditor(const std::string& path) = 0;
    // The full path of the running program's own file.
    virtual std::string ProgramPath() const = 0;

    // Resources and frame.
    virtual std::string LoadResourceString(int id) const = 0;
    virtual IconHandle LoadAppIcon() = 0;
    virtual void SetIcon(IconHandle icon, IconSize size) = 0;
    // False when the window has no system menu.
    virtual bool HasSystemMenu() const = 0;
    // Appends a separator and then an item with the command id and text.
    virtual void AppendSystemMenuItem(unsigned commandId, std::string_view text) = 0;
    // Runs the about box modally.
    virtual void ShowAboutBox() = 0;

    // The lead-byte test of the text's code page, for upper-casing.
    virtual batch::LeadBytePredicate LeadByteTest() const { return nullptr; }

  protected:
    // Whether the control is an edit control whose text is known and changed
    // by replacing ranges.
    virtual bool IsEditControl(int id) const = 0;
    // The control's text, read from it.
    virtual std::string ReadControlText(int id) const = 0;
    // Gives the control a whole new text.
    virtual void SetWholeText(int id, std::string_view text) = 0;
    // Replaces `removedLength` bytes of an edit control's known text from the
    // byte index `start` with `inserted`, as one step of its undo; false when
    // the control did not take all of it.
    virtual bool ReplaceText(int id, std::size_t start, std::size_t removedLength,
                             std::string_view inserted) = 0;

    // The text of an edit control, as known or else read.
    const std::string& KnownText(int id) const;
    // The user changed the control: its text is read again when next asked for.
    void ForgetText(int id) { m_knownTexts.erase(id); }

  private:
    mutable std::map<int, std::string> m_knownTexts;  // by control id
};

inline constexpr int kButtonClicked = 0;  // BN_CLICKED

}  // namespace quorvane::window
