#include "KeptLines.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>

namespace quorvane::cli {

void KeptLines::Start(std::span<const char> part) {
    m_part = part;
    m_size = 0;
    m_pieces.clear();
    m_piecesLength = 0;
    m_warnedLines.clear();
    m_warnings.clear();
}

void KeptLines::AddLineText(std::string_view piece) {
    m_pieces.append(piece);
    m_piecesLength += piece.size();
}

std::size_t KeptLines::RecordSize(std::size_t bytesAfterHead) {
    constexpr std::size_t kAlign = alignof(Head);
    return sizeof(Head) + (bytesAfterHead + kAlign - 1) / kAlign * kAlign;
}

void KeptLines::EndLine(const batch::LineResult& line) {
    // std::less_equal orders pointers into different objects too.
    const std::less_equal<const char*> notAfter;
    const bool inPart =
        notAfter(m_part.data(), line.text.data()) &&
        notAfter(line.text.data() + line.text.size(), m_part.data() + m_part.size());
    const std::size_t copied = inPart ? 0 : line.text.size();
    char* const to = Room(RecordSize(copied));
    // Written in place: a head built elsewhere and copied would be read back
    // in other pieces than it was written in, which stalls the processor.
    ::new (to) Head{line.outcome.value,
                    line.outcome.column,
                    static_cast<std::uint32_t>(line.lineNumber),
                    inPart ? static_cast<std::uint32_t>(line.text.data() - m_part.data()) : kCopied,
                    static_cast<std::uint32_t>(line.text.size()),
                    static_cast<std::uint32_t>(m_piecesLength),
                    static_cast<std::uint8_t>(line.outcome.status),
                    static_cast<std::uint8_t>(line.outcome.reason)};
    if (copied != 0) std::memcpy(to + sizeof(Head), line.text.data(), copied);
    m_piecesLength = 0;
    if (!line.warnings.empty()) KeepWarnings(to - m_lines.get(), line.warnings);
}

void KeptLines::KeepWarnings(std::size_t record, std::span<const engine::LineWarning> warnings) {
    m_warnedLines.push_back({record, m_warnings.size(), warnings.size()});
    m_warnings.insert(m_warnings.end(), warnings.begin(), warnings.end());
}

void KeptLines::HandOn(batch::BatchSink& sink, std::size_t lineOffset) const {
    const char* pieces = m_pieces.data();
    auto warned = m_warnedLines.begin();
    for (const char* at = m_lines.get(); at != m_lines.get() + m_size;) {
        std::span<const engine::LineWarning> lineWarnings;
        if (warned != m_warnedLines.end() && m_lines.get() + warned->record == at) {
            lineWarnings = std::span(m_warnings).subspan(warned->first, warned->count);
            ++warned;
        }
        const Head& head = *std::launder(reinterpret_cast<const Head*>(at));
        const bool copied = head.textStart == kCopied;
        const std::string_view text(copied ? at + sizeof(Head) : m_part.data() + head.textStart,
                                    head.textLength);
        at += RecordSize(copied ? head.textLength : 0);
        if (head.piecesLength != 0) {
            sink.AddLineText(std::string_view(pieces, head.piecesLength));
            pieces += head.piecesLength;
        }
        const engine::LineOutcome outcome{static_cast<engine::LineStatus>(head.status), head.value,
                                          static_cast<engine::FailureReason>(head.reason),
                                          head.column};
        sink.EndLine({text, outcome, head.lineNumber + lineOffset, lineWarnings});
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
