// The names and descriptions of the dialog's controls for Windows'
// accessibility interfaces (Active Accessibility and, through it, UI
// Automation), from the table of accessible names. The window system names
// a button by its caption and an edit box by the label before it; where that
// gives no name or the wrong one, the control is annotated (dynamic
// annotation of its client object), so the captions stay as they are.
#pragma once

#include <oleacc.h>
#include <windows.h>

namespace quorvane::window::win32 {

class AccessibleAnnotations {
  public:
    AccessibleAnnotations() = default;
    AccessibleAnnotations(const AccessibleAnnotations&) = delete;
    AccessibleAnnotations& operator=(const AccessibleAnnotations&) = delete;
    ~AccessibleAnnotations() { Clear(); }

    // Annotates each control of the dialog that the table lists. Without the
    // annotation service the controls keep the names the system gives them.
    void Annotate(HWND dialog, int dialogId);
    // Takes the annotations off again, while the controls still exist.
    void Clear();

  private:
    IAccPropServices* m_services = nullptr;
    bool m_comStarted = false;
    HWND m_dialog = nullptr;
    int m_dialogId = 0;
};

}  // namespace quorvane::window::win32
