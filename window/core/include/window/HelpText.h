// The text of the "&Help" box: the operators and functions that the
// evaluation understands, grouped by first letter, and a contact line.
#pragma once

#include <string_view>

namespace quorvane::window {

// LF-separated, tabs and trailing blanks included; no line break at the end.
std::string_view HelpText();

}  // namespace quorvane::window
