// The lines of a box's text as the batch run counts them: each LF, CR LF or
// lone CR ends a line, so a text with n line ends has n + 1 lines, the last
// one empty when the text ends with a line end.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quorvane::window {

// Where a line lies in its text, without its line end.
struct TextLine {
    std::size_t start;
    std::size_t length;
};

// The line numbered `lineNumber` (counted from 1); nothing when the text has
// fewer lines.
std::optional<TextLine> FindLine(std::string_view text, std::size_t lineNumber);

// The number (counted from 1) of the line that holds the index: the line
// ends before the index are counted, so an index on a line end belongs to
// the line that it ends.
std::size_t LineNumberAt(std::string_view text, std::size_t index);

// Whether `text` holds, as its line `lineNumber`, the same bytes as `other`
// holds as its line of that number; where it does, that line of `text`.
std::optional<TextLine> SameLine(std::string_view text, std::string_view other,
                                 std::size_t lineNumber);

}  // namespace quorvane::window
