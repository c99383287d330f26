// What the runner of one part of the input hands on, kept until the part's
// turn comes to hand it on, in input order, to the sink that writes it out.
// The text of a line stays in the part's bytes, which outlive this; what does
// not (the pieces of a long line, a line the runner carried, the value) is
// copied.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/BatchRunner.h"

namespace quorvane::cli {

class KeptLines final : public batch::BatchSink {
  public:
    // Forgets what was kept and keeps the lines of `part` from now on.
    void Start(std::span<const char> part);

    void AddLineText(std::string_view piece) override;
    void EndLine(const batch::LineResult& line) override;

    // Hands the kept lines on to `sink`, their numbers raised by `lineOffset`.
    void HandOn(batch::BatchSink& sink, std::size_t lineOffset) const;

  private:
    struct Line {
        engine::LineOutcome outcome;
        std::size_t lineNumber;
        const char* text;          // in the part, or null when copied
        std::size_t textLength;    // copied after the pieces when `text` is null
        std::size_t piecesLength;  // the text handed on in pieces before the line
        std::size_t valueLength;   // copied after the text
    };

    std::span<const char> m_part;
    std::vector<Line> m_lines;
    std::string m_copied;            // line by line: its pieces, its text when copied, its value
    std::size_t m_piecesLength = 0;  // pieces of the line being read
};

}  // namespace quorvane::cli
