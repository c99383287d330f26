// The program's icons by resource id (the application icon, group 128).
#pragma once

#include <QIcon>

namespace quorvane::window::qt {

// Null when there is no icon of that id.
QIcon IconResource(int iconId);

}  // namespace quorvane::window::qt
