#include "MultiLineEditKeys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

namespace quorvane::window::qt {

MultiLineEditKeys::MultiLineEditKeys(QObject* parent, QPushButton* defaultButton)
    : QObject(parent), m_defaultButton(defaultButton) {}

bool MultiLineEditKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        return false;
    }
    if (key->modifiers() & Qt::ControlModifier) {
        if (auto* edit = qobject_cast<QPlainTextEdit*>(watched); edit && !edit->isReadOnly()) {
            edit->insertPlainText(QStringLiteral("\n"));
        }
    } else if (m_defaultButton && m_defaultButton->isEnabled()) {
        m_defaultButton->click();
    }
    return true;
}

}  // namespace quorvane::window::qt
