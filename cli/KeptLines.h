// What the runner of one part of the input hands on, kept until the part's
// turn comes to hand it on, in input order, to the sink that writes it out.
// The text of a line stays in the part's bytes, which outlive this; what does
// not (the pieces of a long line, a line the runner carried, the warnings) is
// copied. The value is kept as the number it is, and written out as text
// only by the sink it is handed on to. A part holds less than 4 GiB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
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

    // The bytes kept.
    std::size_t Size() const {
        return m_size + m_pieces.size() + m_warnings.size() * sizeof(engine::LineWarning) +
               m_warnedLines.size() * sizeof(WarnedLine);
    }

    // Hands the kept lines on to `sink`, their numbers raised by `lineOffset`.
    void HandOn(batch::BatchSink& sink, std::size_t lineOffset) const;

  private:
    // What is kept of a line, in a few bytes: the lines of a part are many
    // and go from one thread to another.
    struct Head {
        double value;
        std::int32_t column;
        std::uint32_t lineNumber;
        std::uint32_t textStart;  // in the part, or kCopied
        std::uint32_t textLength;
        std::uint32_t piecesLength;  // the text handed on in pieces before the line
        std::uint8_t status;         // engine::LineStatus
        std::uint8_t reason;         // engine::FailureReason
    };
    static constexpr std::uint32_t kCopied = UINT32_MAX;  // the text follows the head
    static_assert(sizeof(Head) == 32, "a head stays this small: the lines of a part are many");

    // A line that has warnings: few have any, so they are kept apart from
    // the heads.
    struct WarnedLine {
        std::size_t record;  // where the line's record starts in m_lines
        std::size_t first;   // its first warning in m_warnings
        std::size_t count;
    };

    // The bytes of a line's record: its head, then the bytes after it, up to
    // where the next head may start.
    static std::size_t RecordSize(std::size_t bytesAfterHead);
    // Room for `size` more bytes at the end of m_lines.
    char* Room(std::size_t size);
    // Keeps the warnings of the line whose record starts at `record`.
    [[gnu::cold]] [[gnu::noinline]] void KeepWarnings(
        std::size_t record, std::span<const engine::LineWarning> warnings);

    std::span<const char> m_part;
    // Line by line: its head, and its text when copied.
    std::unique_ptr<char[]> m_lines;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    std::string m_pieces;                         // the pieces of all long lines, in order
    std::size_t m_piecesLength = 0;               // pieces of the line being read
    std::vector<WarnedLine> m_warnedLines;        // in order
    std::vector<engine::LineWarning> m_warnings;  // theirs, in order
};

}  // namespace quorvane::cli
