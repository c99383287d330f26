// What the batch run hands on for each line that has something to evaluate:
// the line's text and its outcome, to a sink that makes of them what its
// front end shows or writes.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "engine/Evaluate.h"

namespace quorvane::batch {

// What one evaluated line gives.
struct LineResult {
    // The line's text, upper-cased, without its line end; of a long line the
    // rest of it after the pieces that came before (see BatchSink).
    std::string_view text;
    engine::LineOutcome outcome;
    // The line's number in the text, counted from 1 as a text editor counts:
    // each LF, each CR LF and each lone CR ends a line, empty ones too.
    std::size_t lineNumber;
    // The line's warnings, in order; none when it fails.
    std::span<const engine::LineWarning> warnings;
};

// Receives the lines that have something to evaluate, in order.
class BatchSink {
  public:
    virtual ~BatchSink() = default;
    // A piece of the text of a long line, which comes in pieces as it is
    // read, before its outcome is known.
    virtual void AddLineText(std::string_view piece) = 0;
    // A line is evaluated; a long one after the pieces of its text.
    virtual void EndLine(const LineResult& line) = 0;
};

}  // namespace quorvane::batch
