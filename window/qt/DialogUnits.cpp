#include "DialogUnits.h"

#include <QFontMetrics>

namespace {

// value * numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The width of the 52 letters over 52, rounded: (total / 26 + 1) / 2.
    return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units) {
    return {MulDiv(dialogUnits.x(), units.charWidth, 4),
            MulDiv(dialogUnits.y(), units.charHeight, 8),
            MulDiv(dialogUnits.width(), units.charWidth, 4),
            MulDiv(dialogUnits.height(), units.charHeight, 8)};
}
