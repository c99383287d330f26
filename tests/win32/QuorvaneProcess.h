// The calculator as a running program under test: started in a folder of the
// tests, driven from outside through its main dialog's controls, ended when
// the test is done with it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What happened while a message was being handled by the program.
struct Interaction {
    std::vector<std::string> messages;  // the texts of its "Message" boxes, each answered with OK
    int otherDialogs = 0;               // other dialogs it opened, given to the dialog handler
    bool returned = false;              // the handling ended in time
};

// Handles a dialog, other than a message box, that the program opens while a
// message is being handled (a file dialog, the about box, a question): it
// looks at it and closes it by posting to it.
using DialogHandler = std::function<void(HWND dialog)>;

class QuorvaneProcess {
  public:
    // Starts the program with `folder` as its current folder and `arguments`
    // after its name on its command line (in the ANSI code page), and waits
    // for its main dialog; Started() tells whether it came.
    QuorvaneProcess(const std::string& programPath, const std::string& folder,
                    std::string_view arguments = {});
    QuorvaneProcess(const QuorvaneProcess&) = delete;
    QuorvaneProcess& operator=(const QuorvaneProcess&) = delete;
    // Ends the program if it still runs.
    ~QuorvaneProcess();

    bool Started() const { return m_dialog != nullptr; }
    HWND Dialog() const { return m_dialog; }
    HWND Control(int id) const { return GetDlgItem(m_dialog, id); }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    HANDLE Process() const { return m_process.hProcess; }

    std::string Text(int id) const;
    void SetText(int id, std::string_view text);
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    // Clicks the check box if it is not in the wanted state.
    void SetChecked(int id, bool checked);
    // The control that has the keyboard focus in the program, and the window
    // that has captured the mouse (a control while its button is held on it).
    HWND Focus() const;
    HWND Capture() const;

    // Waits for the focus to come to the control, in the dialog in front,
    // after a box of the program has closed. Without a window manager, the X
    // server can take the keys from the dialog a moment after such a box is
    // gone, and wine then makes no window of the program active, or leaves
    // the dialog active for the program while another window is in front;
    // the dialog is activated again, as a person would by clicking it, and
    // gives the focus back to the control that had it.
    bool FocusComesTo(int id);
    // Moves the focus to the control the way the dialog does (WM_NEXTDLGCTL).
    void FocusOn(int id);
    // Selects in an edit control, the caret at `caret`, and scrolls the caret into view.
    void Select(int id, DWORD anchor, DWORD caret);
    // The selection of an edit control as EM_GETSEL answers in its result:
    // start and end, each in 16 bits.
    std::pair<unsigned, unsigned> Selection16(int id) const;

    // Sends the message and, while the program handles it, answers each of
    // its message boxes with OK and gives each other dialog to `onDialog`
    // (without one, such a dialog is closed and counted).
    Interaction Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                     const DialogHandler& onDialog = {});
    // Answers the program's message boxes and dialogs as Send does, until
    // `finished` holds (or a minute has passed).
    Interaction AnswerUntil(const std::function<bool()>& finished,
                            const DialogHandler& onDialog = {});
    // Clicks a button of the main dialog (BM_CLICK), as Send does.
    Interaction Click(int id, const DialogHandler& onDialog = {});
    // Waits for a "Message" box of the program to open, and leaves it open;
    // null if none came.
    HWND AwaitMessageBox() const;

    // Waits for the program to end; true with its exit code if it did.
    bool WaitForExit(DWORD& exitCode);

  private:
    // The focus, active window, capture and caret of the program's thread.
    GUITHREADINFO ThreadInput() const;

    PROCESS_INFORMATION m_process{};
    HWND m_dialog = nullptr;
};

// The text of a message box.
std::string MessageBoxText(HWND box);

// Presses and releases a key on a window of the program, through its message queue.
void PressKey(HWND window, WPARAM key);

// Finds the text editor window that shows the file (by its title) and closes
// it; false if none came.
bool CloseEditorShowing(std::string_view fileName);
