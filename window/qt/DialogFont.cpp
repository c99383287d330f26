#include "DialogFont.h"

#include <QFontDatabase>

namespace quorvane::window::qt {

QStringList DialogFontFaces(const DialogTemplate& dialogTemplate) {
    QStringList faces{QString::fromUtf8(dialogTemplate.face)};
    if (faces.front() == QStringLiteral("宋体")) {
        faces << QStringLiteral("SimSun") << QStringLiteral("NSimSun");
    }
    faces << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("Noto Sans CJK SC")
          << QStringLiteral("Noto Sans SC");
    return faces;
}

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    QFont font;
    for (const QString& face : DialogFontFaces(dialogTemplate)) {
        if (QFontDatabase::hasFamily(face)) {
            font.setFamily(face);
            break;
        }
    }
    font.setPointSize(dialogTemplate.pointSize);
    return font;
}

}  // namespace quorvane::window::qt
