#include "AboutBox.h"

#include <QDialog>
#include <QPushButton>

#include "DialogBuilder.h"
#include "resource.h"

namespace quorvane::window::qt {

void RunAboutBox(QWidget* parent) {
    const DialogTemplate* aboutTemplate = FindDialogTemplate(IDD_ABOUTBOX);
    if (aboutTemplate == nullptr) {
        return;
    }
    QDialog box(parent);
    const DialogControls controls = BuildDialog(box, *aboutTemplate);
    if (auto* ok = controls.Find<QPushButton>(IDOK)) {
        QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    }
    box.exec();
}

}  // namespace quorvane::window::qt
