// The names and descriptions that a screen reader reads for the widgets of a
// built dialog, from the table of accessible names.
#pragma once

#include "DialogBuilder.h"

namespace quorvane::window::qt {

// Gives each control listed for the dialog its accessible name and
// description, and makes a label the buddy of the control that it names: the
// label reads the control's accessible name followed by a colon.
void NameForAccessibility(int dialogId, const DialogControls& controls);

}  // namespace quorvane::window::qt
