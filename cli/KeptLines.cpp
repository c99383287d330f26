#include "KeptLines.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "BlockWriter.h"

namespace quorvane::cli {

void KeptLines::Start(std::span<const char> part) {
    m_part = part;
    m_size = 0;
    m_pieces.clear();
    m_piecesLength = 0;
}

void KeptLines::AddLineText(std::string_view piece) {
    m_pieces.append(piece);
    m_piecesLength += piece.size();
}

void KeptLines::EndLine(const batch::LineResult& line) {
    // std::less_equal orders pointers into different objects too.
    const std::less_equal<const char*> notAfter;
    const bool inPart =
        notAfter(m_part.data(), line.text.data()) &&
        notAfter(line.text.data() + line.text.size(), m_part.data() + m_part.size());
    const Head head{line.outcome.value,
                    line.outcome.column,
                    static_cast<std::uint32_t>(line.lineNumber),
                    inPart ? static_cast<std::uint32_t>(line.text.data() - m_part.data()) : kCopied,
                    static_cast<std::uint32_t>(line.text.size()),
                    static_cast<std::uint32_t>(m_piecesLength),
                    static_cast<std::uint16_t>(line.value.size()),
                    static_cast<std::uint8_t>(line.outcome.status),
                    static_cast<std::uint8_t>(line.outcome.reason)};
    const std::size_t copied = inPart ? 0 : line.text.size();
    char* to = Room(sizeof head + line.value.size() + copied);
    std::memcpy(to, &head, sizeof head);
    CopyBytes(to + sizeof head, line.value.data(), line.value.size());
    if (copied != 0) std::memcpy(to + sizeof head + line.value.size(), line.text.data(), copied);
    m_piecesLength = 0;
}

void KeptLines::HandOn(batch::BatchSink& sink, std::size_t lineOffset) const {
    const char* pieces = m_pieces.data();
    for (const char* at = m_lines.get(); at != m_lines.get() + m_size;) {
        Head head;
        std::memcpy(&head, at, sizeof head);
        at += sizeof head;
        const std::string_view value(at, head.valueLength);
        at += head.valueLength;
        std::string_view text;
        if (head.textStart == kCopied) {
            text = std::string_view(at, head.textLength);
            at += head.textLength;
        } else {
            text = std::string_view(m_part.data() + head.textStart, head.textLength);
        }
        if (head.piecesLength != 0) {
            sink.AddLineText(std::string_view(pieces, head.piecesLength));
            pieces += head.piecesLength;
        }
        const engine::LineOutcome outcome{static_cast<engine::LineStatus>(head.status), head.value,
                                          static_cast<engine::FailureReason>(head.reason),
                                          head.column};
        sink.EndLine({text, outcome, value, head.lineNumber + lineOffset});
    }
}

char* KeptLines::Room(std::size_t size) {
    if (m_capacity - m_size < size) {
        const std::size_t capacity = std::max(2 * m_capacity, m_size + size);
        auto grown = std::make_unique_for_overwrite<char[]>(capacity);
        if (m_size != 0) std::memcpy(grown.get(), m_lines.get(), m_size);
        m_lines = std::move(grown);
        m_capacity = capacity;
    }
    char* const room = m_lines.get() + m_size;
    m_size += size;
    return room;
}

}  // namespace quorvane::cli
