#include "AccessibleWidgets.h"

#include <QLabel>

#include "AccessibleNames.h"

namespace quorvane::window::qt {

void NameForAccessibility(int dialogId, const DialogControls& controls) {
    for (const auto& [id, widget] : controls.InTemplateOrder()) {
        if (const AccessibleName* accessible = FindAccessibleName(dialogId, id)) {
            widget->setAccessibleName(QString::fromUtf8(accessible->name));
            widget->setAccessibleDescription(QString::fromUtf8(accessible->description));
        }
    }
    for (const auto& [labelId, widget] : controls.InTemplateOrder()) {
        auto* label = qobject_cast<QLabel*>(widget);
        if (label == nullptr || !label->text().endsWith(u':')) {
            continue;
        }
        const QString named = label->text().chopped(1);
        for (const auto& [id, control] : controls.InTemplateOrder()) {
            if (control != label && control->accessibleName() == named) {
                label->setBuddy(control);
            }
        }
    }
}

}  // namespace quorvane::window::qt
