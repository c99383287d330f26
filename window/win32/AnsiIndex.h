// Positions in the text of an edit control, which the control keeps in
// UTF-16 (its caret and selection count UTF-16 units) while the dialog's
// members hold the same text in the bytes of the ANSI code page (a Chinese
// character takes one unit there and two bytes here).
#pragma once

#include <cstddef>
#include <string_view>

namespace quorvane::window::win32 {

// The byte index in the ANSI text `ansiText` of the position `unitIndex` of
// its UTF-16 form.
std::size_t AnsiIndexOfUnit(std::string_view ansiText, std::size_t unitIndex);
// The UTF-16 position of the byte index `byteIndex` of the ANSI text `ansiText`.
std::size_t UnitIndexOfAnsi(std::string_view ansiText, std::size_t byteIndex);

}  // namespace quorvane::window::win32
