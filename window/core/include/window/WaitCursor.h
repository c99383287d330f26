// The wait cursor over a dialog for as long as this object lives, so that it
// goes away on every way out of a long piece of work.
#pragma once

#include "window/DialogWindow.h"

namespace quorvane::window {

class WaitCursor {
  public:
    explicit WaitCursor(DialogWindow& window) : m_window(window) { m_window.BeginWaitCursor(); }
    ~WaitCursor() { m_window.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    DialogWindow& m_window;
};

}  // namespace quorvane::window
