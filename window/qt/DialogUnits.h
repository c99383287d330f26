// Dialog units to pixels, from the dialog's font, the way the window system
// lays out dialog templates: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its height.
#pragma once

#include <QFont>
#include <QRect>

struct DialogBaseUnits {
    int charWidth;   // average width of the letters, rounded
    int charHeight;  // ascent plus descent
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

// Scales each coordinate, rounding to the nearest pixel.
QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units);
