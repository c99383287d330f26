// The about box (template 100): the icon, the product name and version, a
// notice of rights and an OK button.
#pragma once

#include <QWidget>

namespace quorvane::window::qt {

// Runs it modally over `parent` until OK, Enter, Escape or its close box.
void RunAboutBox(QWidget* parent);

}  // namespace quorvane::window::qt
