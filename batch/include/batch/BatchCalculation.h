// The "&Calc" batch run without any window: from the expression text, the
// text of the result box ("%.2f   \r\n", or "Error   \r\n", a line, the
// line's note, if it has one, before the line end) and the output text (a
// record "LINE = %.2f\r\n\r\n" a line).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "batch/LeadByte.h"
#include "batch/LineNote.h"

namespace quorvane::batch {

struct BatchResult {
    std::string resultText;        // the result box
    std::string outputText;        // the records of the output file, before the file's line ends
    std::size_t lineCount = 0;     // lines evaluated (value or Error)
    std::size_t failureCount = 0;  // lines that gave Error
    std::vector<LineNote> notes;   // of the result lines that have one, in order
};

// Runs the whole expression text, which ends at its first NUL, if any.
BatchResult RunBatch(std::string_view expressionText, LeadBytePredicate isLeadByte = nullptr);

}  // namespace quorvane::batch
