// The program's icons by resource id (the application icon, group 128).
#pragma once

#include <QIcon>

// Null when there is no icon of that id.
QIcon IconResource(int iconId);
