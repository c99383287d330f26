#include "IconResource.h"

#include "resource.h"

namespace quorvane::window::qt {

QIcon IconResource(int iconId) {
    if (iconId != IDR_MAINFRAME) {
        return {};
    }
    QIcon icon(QStringLiteral(":/quorvane/quorvane.ico"));
    return icon.availableSizes().isEmpty() ? QIcon() : icon;
}

}  // namespace quorvane::window::qt
