// The caret of an edit control as a position in its whole text, in the
// UTF-16 units that the control counts in (CR LF counts two). The caret
// exists only while the edit has the focus, so the tracker notes it at the
// moment the edit loses the focus (to a pressed button, say) and answers
// from that note afterwards. A whole new text set into a multi-line edit is
// reported to its parent with EN_CHANGE, as any other change of its text.
// The tracker's window procedure also passes the edit's navigation input on
// to the dialog (EditNavigationInput.h).
#pragma once

#include <windows.h>

#include <cstddef>

namespace quorvane::window::win32 {

class EditCaretTracker {
  public:
    // Starts watching the edit control; the watch ends when it is destroyed.
    explicit EditCaretTracker(HWND edit);
    EditCaretTracker(const EditCaretTracker&) = delete;
    EditCaretTracker& operator=(const EditCaretTracker&) = delete;

    // The caret index: now if the edit has the focus, else where the caret
    // was when the edit last lost it.
    std::size_t CaretIndex() const;

  private:
    static LRESULT CALLBACK SubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    void NoteCaret();

    HWND m_edit;
    WNDPROC m_originalProc;
    DWORD m_notedStart = 0;
    DWORD m_notedEnd = 0;
    std::size_t m_notedCaret = 0;
};

}  // namespace quorvane::window::win32
