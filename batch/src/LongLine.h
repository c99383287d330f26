// A line too long to be held whole, taken in pieces so that memory does not
// grow with it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "batch/BatchSink.h"
#include "batch/FileIo.h"
#include "engine/Evaluate.h"

namespace quorvane::batch {

// Bytes held back until it is known whether they are needed: the first
// kHeldInMemory of them in memory, the rest in an unnamed temporary file (in
// memory when no such file can be made).
class HeldBytes {
  public:
    static constexpr std::size_t kHeldInMemory = 1 << 20;

    void Add(std::string_view bytes);
    // Hands the held bytes to the sink as line text and forgets them; false
    // if they could not be read back.
    bool MoveTo(BatchSink& sink);
    void Clear();

  private:
    bool Spill();

    std::string m_memory;
    FileHandle m_spill;
    bool m_spillFailed = false;
};

// A line longer than kLongLine. Its first bytes are kept for the evaluation,
// and its text goes to the sink as it comes, once it is clear that the line
// has something to evaluate and so gets a record.
class LongLine {
  public:
    // The bytes of a line that decide its outcome, given that it holds
    // something: the engine looks no further.
    static constexpr std::size_t kDecidingBytes = engine::kLineLimit + 2;

    explicit LongLine(BatchSink& sink) : m_sink(sink) {}

    // Takes the next bytes of the line.
    void Add(std::string_view bytes);
    // Ends the line: its outcome, its warnings in `warnings`. The line's text
    // is with the sink already unless the line has nothing to evaluate.
    engine::LineOutcome Finish(std::vector<engine::LineWarning>& warnings);
    // True when held bytes could not be read back for the sink.
    bool TextLost() const { return m_textLost; }

  private:
    // Whether the line holds anything is known from its leading blanks and
    // tabs and the two bytes after them.
    enum class Lead {
        Blanks,     // only blanks and tabs so far
        FirstByte,  // blanks and tabs, then m_first
        Something,  // the line has something to evaluate
        Nothing,    // the line has nothing to evaluate
    };

    // Settles the lead on the first bytes after the blanks and tabs.
    void Settle(std::string_view firstBytes);
    void MoveHeld();

    BatchSink& m_sink;
    std::string m_kept;  // the first bytes of the line, as many as decide its outcome
    Lead m_lead = Lead::Blanks;
    char m_first = 0;
    HeldBytes m_held;  // the line's bytes while the lead is not settled
    bool m_textLost = false;
};

}  // namespace quorvane::batch
