#include "EditNavigationInput.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quorvane::window::qt {

EditNavigationInput::EditNavigationInput(QPlainTextEdit& edit, DoubleClickHandler onDoubleClick,
                                         StepHandler onStep)
    : QObject(&edit),
      m_edit(edit),
      m_onDoubleClick(std::move(onDoubleClick)),
      m_onStep(std::move(onStep)) {
    edit.installEventFilter(this);
    edit.viewport()->installEventFilter(this);
}

bool EditNavigationInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() != Qt::Key_F8 ||
            (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)) {
            return false;
        }
        m_onStep(modifiers == Qt::ShiftModifier ? StepDirection::Backward : StepDirection::Forward);
        return true;
    }
    if (watched == m_edit.viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        m_onDoubleClick(m_edit.cursorForPosition(mouse->position().toPoint()).position());
        // The box then selects the word under the pointer, as it always does.
        return false;
    }
    return false;
}

}  // namespace quorvane::window::qt
