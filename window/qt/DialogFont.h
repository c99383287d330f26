// The font of a dialog template: its face at its point size where that face
// is installed, otherwise a face that has the Chinese characters of the
// program's texts.
#pragma once

#include <QFont>
#include <QStringList>

#include "DialogTemplates.h"

namespace quorvane::window::qt {

// The faces tried in turn: the template's own, its Latin name, then a
// CJK-capable substitute.
QStringList DialogFontFaces(const DialogTemplate& dialogTemplate);

QFont DialogFont(const DialogTemplate& dialogTemplate);

}  // namespace quorvane::window::qt
