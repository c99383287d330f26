#include "DialogUnits.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QtMath>

namespace quorvane::window::qt {

namespace {

// value * numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

// The height of one line of text in the font, as the edit boxes lay it out.
int LineHeight(const QFont& font) {
    QTextLayout layout(QStringLiteral("X"), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    layout.endLayout();
    return qCeil(line.height());
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The width of the 52 letters over 52, rounded: (total / 26 + 1) / 2.
    return {(letters / 26 + 1) / 2, LineHeight(font)};
}

QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units) {
    return {MulDiv(dialogUnits.x(), units.charWidth, 4),
            MulDiv(dialogUnits.y(), units.charHeight, 8),
            MulDiv(dialogUnits.width(), units.charWidth, 4),
            MulDiv(dialogUnits.height(), units.charHeight, 8)};
}

}  // namespace quorvane::window::qt
