// Dialog units to pixels, from the dialog's font, the way the window system
// lays out dialog templates: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of the height of a line
// of its text. The window system's edit boxes put their lines that far
// apart, so that a template's box of 8n units holds n lines; here that
// height is the one Qt's text layout gives a line of the font (its ascent,
// descent and leading, rounded up to whole pixels).
#pragma once

#include <QFont>
#include <QRect>

namespace quorvane::window::qt {

struct DialogBaseUnits {
    int charWidth;   // average width of the letters, rounded
    int charHeight;  // the height of a laid-out line of text
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

// Scales each coordinate, rounding to the nearest pixel.
QRect MapDialogRect(const QRect& dialogUnits, DialogBaseUnits units);

}  // namespace quorvane::window::qt
