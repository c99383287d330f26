#include "KeptLines.h"

#include <functional>

namespace quorvane::cli {

void KeptLines::Start(std::span<const char> part) {
    m_part = part;
    m_lines.clear();
    m_copied.clear();
    m_piecesLength = 0;
}

void KeptLines::AddLineText(std::string_view piece) {
    m_copied.append(piece);
    m_piecesLength += piece.size();
}

void KeptLines::EndLine(const batch::LineResult& line) {
    // std::less_equal orders pointers into different objects too.
    const std::less_equal<const char*> notAfter;
    const bool inPart =
        notAfter(m_part.data(), line.text.data()) &&
        notAfter(line.text.data() + line.text.size(), m_part.data() + m_part.size());
    if (!inPart) m_copied.append(line.text);
    m_copied.append(line.value);
    m_lines.push_back({line.outcome, line.lineNumber, inPart ? line.text.data() : nullptr,
                       line.text.size(), m_piecesLength, line.value.size()});
    m_piecesLength = 0;
}

void KeptLines::HandOn(batch::BatchSink& sink, std::size_t lineOffset) const {
    const char* copied = m_copied.data();
    auto takeCopied = [&copied](std::size_t length) {
        const std::string_view bytes(copied, length);
        copied += length;
        return bytes;
    };
    for (const Line& line : m_lines) {
        if (line.piecesLength != 0) sink.AddLineText(takeCopied(line.piecesLength));
        const std::string_view text = line.text != nullptr
                                          ? std::string_view(line.text, line.textLength)
                                          : takeCopied(line.textLength);
        const std::string_view value = takeCopied(line.valueLength);
        sink.EndLine({text, line.outcome, value, line.lineNumber + lineOffset});
    }
}

}  // namespace quorvane::cli
