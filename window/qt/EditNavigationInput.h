// The input of a multi-line edit box that moves about rather than edits: a
// double-click in its text, passed on with the text position under the
// pointer before the box handles it too, and F8 and Shift+F8, passed on
// instead of reaching the box.
#pragma once

#include <QObject>
#include <QPlainTextEdit>
#include <functional>

#include "window/DialogWindow.h"

namespace quorvane::window::qt {

class EditNavigationInput : public QObject {
  public:
    using DoubleClickHandler = std::function<void(int position)>;
    using StepHandler = std::function<void(StepDirection direction)>;

    // Watches the edit (its keys) and its viewport (its mouse); owned by the edit.
    EditNavigationInput(QPlainTextEdit& edit, DoubleClickHandler onDoubleClick, StepHandler onStep);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit& m_edit;
    DoubleClickHandler m_onDoubleClick;
    StepHandler m_onStep;
};

}  // namespace quorvane::window::qt
