// The top-level widget of the main dialog: Escape and the close box become
// the cancel command, which the dialog's handler decides on, instead of
// closing the window by themselves.
#pragma once

#include <QDialog>
#include <functional>

namespace quorvane::window::qt {

class CommandDialog : public QDialog {
  public:
    explicit CommandDialog(std::function<void()> onCancelCommand)
        : m_onCancelCommand(std::move(onCancelCommand)) {}

    void reject() override { m_onCancelCommand(); }

  private:
    std::function<void()> m_onCancelCommand;
};

}  // namespace quorvane::window::qt
