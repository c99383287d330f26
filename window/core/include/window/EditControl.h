// A control object bound to one edit control of a dialog window, used to give
// that control the focus.
#pragma once

#include "window/DialogWindow.h"

namespace quorvane::window {

class EditControl {
  public:
    EditControl(DialogWindow& window, int id) : m_window(window), m_id(id) {}

    int Id() const { return m_id; }
    void SetFocus() { m_window.FocusControl(m_id); }

  private:
    DialogWindow& m_window;
    int m_id;
};

}  // namespace quorvane::window
