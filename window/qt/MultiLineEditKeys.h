// The keys of a multi-line edit box in a dialog: Enter presses the dialog's
// default button, as in a single-line box; Ctrl+Enter types a line break.
#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>

namespace quorvane::window::qt {

class MultiLineEditKeys : public QObject {
  public:
    // Filters the keys of the edits it is installed on; `defaultButton` may be
    // null (then Enter does nothing).
    MultiLineEditKeys(QObject* parent, QPushButton* defaultButton);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QPushButton> m_defaultButton;
};

}  // namespace quorvane::window::qt
