// The calculator's main dialog (template 102): its members, data exchange,
// initialisation, message map and handlers. It reaches its window only
// through the DialogWindow layer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/DialogWindow.h"
#include "window/EditControl.h"
#include "window/LineNotes.h"

namespace quorvane::window {

class CQuorvaneDlg final : public DialogEvents {
  public:
    explicit CQuorvaneDlg(DialogWindow& window);

    // Runs the dialog modally; returns how it was closed.
    int DoModal() { return m_window.DoModal(*this); }

    // DialogEvents: the window's only way in. Every handler below is reached
    // from these, as the message map routes the controls' notifications.
    bool OnInitDialog() override;
    void OnCommand(int notification, int controlId) override;
    void OnSysCommand(unsigned commandId, std::intptr_t param) override;
    void OnOpenFiles(const std::vector<std::string>& paths) override;
    void OnEditDoubleClick(int controlId, std::size_t index) override;
    void OnStepKey(int controlId, StepDirection direction) override;

  private:
    // The data exchange and the message map: tables of member pointers.
    struct Tables;
    // The tests' one way past the window: the keypad's scratch text, which no
    // control shows, and the reader on arguments the evaluation never passes.
    friend class DialogTestSeam;

    // Data exchange: true copies the controls into the members, false back.
    void UpdateData(bool saveAndValidate);

    // Handlers. "&Calc", Enter, the keypad's "=", the end of the
    // initialisation and a picked input file all evaluate through OnOK.
    void OnOK();
    void OnCancel();
    void OnInputFrom();
    void OnOutputTo();
    void OnBrowseInput();
    void OnBrowseOutput();
    void OnKeypad(int controlId);
    void OnHelpButton();

    // Puts the expression box's caret on the note's line with its token
    // selected, and gives the box the focus; with `showResultLine` the
    // result box's caret goes to the note's result line too. Nothing happens
    // where the expression box no longer holds the line as evaluated.
    void GoToNote(const batch::LineNote& note, bool showResultLine);

    bool ReadInputFile(const std::string& path, std::string& text);
    bool WriteOutputFile(const std::string& path, const std::string& outputText);

    // Enables or disables a file name box and its browse button, each that exists.
    void EnableFileSide(bool enabled, int nameBox, int browseButton);
    // Runs a file dialog that starts in the program's own path; the chosen
    // path, or nothing when cancelled.
    std::optional<std::string> BrowseFile(FileDialogKind kind);
    // Takes the file as the input file, the way a file picked with the input
    // side's browse button is taken: "&Input From" ticked with its box and
    // button enabled, the name in its box, and the file evaluated at once.
    void TakeInputFile(std::string path);
    // With both file options on: whether the output file is the input file.
    bool OutputIsInput() const;

    // The dialog's state; the handlers work on these.
    std::string m_strExpression;
    std::string m_strResult;
    std::string m_strInputFile;
    std::string m_strOutputFile;
    bool m_bInputFrom = false;
    bool m_bOutputTo = false;
    std::string m_strKeyText;
    IconHandle m_hIcon;

    DialogWindow& m_window;
    // Bound to the expression box; gives it the focus.
    EditControl m_editExpression;
    // The notes of the last evaluation, with the texts they point into.
    LineNotes m_notes;
};

}  // namespace quorvane::window
