// The test seam of the Qt window: its dialog's widget and the widgets of its
// controls, found by their object names, for tests and benchmarks that drive
// them as a person does.
#pragma once

#include <QDialog>

#include "DialogBuilder.h"
#include "QtDialogWindow.h"

namespace quorvane::window::qt {

class QtDialogWindowSeam {
  public:
    static QDialog& Dialog(QtDialogWindow& window) { return *window.m_dialog; }
    template <class Widget = QWidget>
    static Widget* Control(QtDialogWindow& window, int id) {
        return Dialog(window).findChild<Widget*>(ControlObjectName(id), Qt::FindDirectChildrenOnly);
    }
};

}  // namespace quorvane::window::qt
