// The note a result line gets: why its line failed, or what is doubtful
// about it, and where in the line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "engine/Evaluate.h"

namespace quorvane::batch {

// Where the note of a result line points in the evaluated text.
struct LineNote {
    std::size_t resultLine;   // the result line that shows it, counted from 0
    std::size_t lineNumber;   // its expression's line, counted from 1 as a text editor counts
    std::int32_t column;      // the 1-based byte column of the token at fault; 0 when not known
    std::size_t tokenLength;  // that token's length in bytes; 0 when not known
};

// The words of a line's note: its failure's reason, or its first warning and
// how many more follow, each with its column where it is known; "" for a
// line that has a value and no warning.
std::string NoteText(const engine::LineOutcome& outcome,
                     std::span<const engine::LineWarning> warnings);

}  // namespace quorvane::batch
