#include "IconResource.h"

#include "resource.h"

QIcon IconResource(int iconId) {
    if (iconId != IDR_MAINFRAME) {
        return {};
    }
    QIcon icon(QStringLiteral(":/quorvane/quorvane.ico"));
    return icon.availableSizes().isEmpty() ? QIcon() : icon;
}
