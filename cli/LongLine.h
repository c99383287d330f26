// A line of quorvane-cli's input too long to be held whole: it is taken in
// pieces, so that memory does not grow with it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "BlockWriter.h"
#include "FileIo.h"
#include "engine/Evaluate.h"

// A line longer than this is a long line. The engine decides a line from its
// first kLineLimit + 2 characters and from whether the whole line holds
// nothing, so this many bytes are all it needs.
using quorvane::engine::kLineLimit, quorvane::engine::LineOutcome, quorvane::engine::LineStatus;

inline constexpr std::size_t kLongLine = 1 << 16;
static_assert(kLongLine > kLineLimit + 2);

// Follows a line byte by byte to tell whether it holds nothing to evaluate:
// only blanks and tabs up to its end or up to a comment mark. (Lines hold no
// line ends.)
class NothingScan {
  public:
    // Takes the next byte; false once it is settled whether the line holds nothing.
    bool Feed(char c);
    // Only blanks and tabs so far, perhaps with one '/' after them.
    bool Open() const { return m_state == kBlanks || m_state == kSlash; }
    bool HoldsNothing() const { return m_state == kBlanks || m_state == kNothing; }

  private:
    enum State { kBlanks, kSlash, kNothing, kSomething };
    State m_state = kBlanks;
};

// Bytes held back until it is known whether they are needed: the first
// kBlockSize of them in memory, the rest in an unnamed temporary file (in
// memory when no such file can be made).
class HeldBytes {
  public:
    void Add(std::string_view bytes);
    // Writes the held bytes out and forgets them; false if they could not be read back.
    bool MoveTo(BlockWriter& writer);
    void Clear();

  private:
    bool Spill();

    std::string m_memory;
    FileHandle m_spill;
    bool m_spillFailed = false;
};

// A line longer than kLongLine: its first kLongLine bytes are kept for the
// evaluation, and its bytes go to the output file as they come, once it is
// clear that the line holds something to evaluate and so gets a record.
class LongLine {
  public:
    // `file` is the output file's writer, or null when there is none.
    explicit LongLine(BlockWriter* file) : m_file(file) {}

    bool Active() const { return m_active; }
    // True when bytes held back could not be read back for the output file.
    bool Lost() const { return m_readBackFailed; }

    // Begins a long line with its first bytes.
    void Start(std::string_view head);
    // Takes the next bytes of the line.
    void Add(std::string_view bytes);
    // Ends the line: its outcome, the line's bytes being in the output file
    // already when there is one.
    LineOutcome Finish();

  private:
    void WriteHeld();
    void Write(std::string_view bytes);

    BlockWriter* m_file;
    bool m_active = false;
    std::string m_prefix;  // the first kLongLine bytes
    NothingScan m_scan;
    HeldBytes m_held;
    bool m_readBackFailed = false;
};
