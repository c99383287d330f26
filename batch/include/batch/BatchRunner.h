// The batch run on text that arrives in blocks: the text is upper-cased, cut
// into lines at every run of CR and LF, and each line is evaluated on its own.
// A line with nothing to evaluate gives nothing; every other line hands its
// text and its outcome to a sink, which makes of them what its front end
// shows or writes.
//
// How to feed it: give Feed the blocks of the text in order, each as it
// comes, then call Finish once. A block may end anywhere, inside a line or
// between the CR and the LF of a line end; a line cut by the end of a block
// is carried over to the next one, and a line longer than kLongLine is taken
// in pieces, so that memory does not grow with it.
//
// A part of a text can be run on its own: a runner given the number of the
// part's first line and fed the part's lines whole (cut right after a line
// end, never between a CR and the LF after it) hands its sink exactly what a
// runner over the whole text hands on for those lines. Parts run apart can
// therefore be put together in order afterwards.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "batch/BatchSink.h"
#include "batch/UpperCase.h"
#include "engine/Evaluate.h"

namespace quorvane::batch {

// A line longer than this is taken in pieces.
inline constexpr std::size_t kLongLine = 1 << 16;

class LongLine;

class BatchRunner {
  public:
    // `isLeadByte` is the lead-byte test of the text's code page, for
    // upper-casing.
    explicit BatchRunner(BatchSink& sink, LeadBytePredicate isLeadByte = nullptr,
                         std::size_t firstLineNumber = 1);
    ~BatchRunner();
    BatchRunner(const BatchRunner&) = delete;
    BatchRunner& operator=(const BatchRunner&) = delete;

    // Runs the complete lines of the next block, which it upper-cases in
    // place, and keeps the rest for the next block.
    void Feed(std::span<char> block);
    // Runs the last line, which no line end ends.
    void Finish();

    // True when part of a long line's text could not be handed on: the bytes
    // held back while it was not yet known whether the line gets a record
    // could not be read back.
    bool TextLost() const { return m_textLost; }

    // The number of the line being read: after a part of whole lines, the
    // number of the line that follows it.
    std::size_t LineNumber() const { return m_lineNumber; }

  private:
    // A line end ends the line that `piece` ends.
    void EndPiece(std::string_view piece);
    // Counts the line that a CR or an LF ends; `afterCR` tells that a CR
    // comes right before it.
    void CountLineEnd(char lineEnd, bool afterCR);
    // The text after the block's last line end.
    void KeepTail(std::string_view tail);
    void Evaluate(std::string_view line);
    // Hands the sink the outcome of the long line, whose text it has.
    void EndLongLine();

    BatchSink& m_sink;
    LeadBytePredicate m_isLeadByte;
    bool m_trailFirst = false;             // the next block begins with a trail byte
    std::size_t m_lineNumber;              // the number of the line being read
    bool m_afterCR = false;                // the last byte fed was a CR
    std::string m_carry;                   // the start of a line cut by a block's end
    std::unique_ptr<LongLine> m_longLine;  // the line being read, when it is long
    bool m_textLost = false;
    std::vector<engine::LineWarning> m_warnings;  // of the line being handed on
};

}  // namespace quorvane::batch
