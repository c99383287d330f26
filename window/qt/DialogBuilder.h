// Builds a Qt dialog from a dialog template: one widget per control, placed
// from dialog units with the dialog's font, in template order, which is also
// the tab order.
#pragma once

#include <QDialog>
#include <QWidget>
#include <utility>
#include <vector>

#include "DialogTemplates.h"

namespace quorvane::window::qt {

// The widgets of a built dialog, by control id and in template order.
class DialogControls {
  public:
    void Add(int id, QWidget* widget) { m_controls.emplace_back(id, widget); }
    // The first control with that id; null when there is none.
    QWidget* Find(int id) const;
    template <class Widget>
    Widget* Find(int id) const {
        return qobject_cast<Widget*>(Find(id));
    }
    const std::vector<std::pair<int, QWidget*>>& InTemplateOrder() const { return m_controls; }

  private:
    std::vector<std::pair<int, QWidget*>> m_controls;
};

// The object name of the widget of the control `id`, by which a test finds it
// among the dialog's children.
QString ControlObjectName(int id);

// Gives `dialog` the template's caption, font, fixed size and frame, and
// creates its controls: edits (QPlainTextEdit when multi-line, else
// QLineEdit), buttons (QGroupBox, QCheckBox or QPushButton by button style),
// statics (QLabel with text or icon), each with its object name and named
// for assistive technology.
DialogControls BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate);

}  // namespace quorvane::window::qt
