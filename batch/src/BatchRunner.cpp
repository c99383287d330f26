#include "batch/BatchRunner.h"

#include <cstdint>
#include <cstring>

#include "LongLine.h"
#include "batch/ResultFormat.h"

namespace quorvane::batch {

namespace {

// The first CR or LF in [p, end), or end.
const char* FindLineEnd(const char* p, const char* end) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kLow7 = kOnes * 0x7F;
    // The high bit of each byte of the word that is zero, and only of those.
    auto zeroBytes = [](std::uint64_t word) { return ~(((word & kLow7) + kLow7) | word | kLow7); };
    // Eight bytes at a time while no CR or LF is among them.
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if ((zeroBytes(word ^ (kOnes * '\r')) | zeroBytes(word ^ (kOnes * '\n'))) != 0) break;
    }
    while (p != end && *p != '\r' && *p != '\n') ++p;
    return p;
}

}  // namespace

BatchRunner::BatchRunner(BatchSink& sink, LeadBytePredicate isLeadByte, std::size_t firstLineNumber)
    : m_sink(sink), m_isLeadByte(isLeadByte), m_lineNumber(firstLineNumber) {}

BatchRunner::~BatchRunner() = default;

void BatchRunner::Feed(std::span<char> block) {
    if (block.empty()) return;
    m_trailFirst = UpperCaseText(block, m_isLeadByte, m_trailFirst);

    const char* const begin = block.data();
    const char* const end = begin + block.size();
    const char* p = begin;
    for (const char* lineEnd = FindLineEnd(p, end); lineEnd != end; lineEnd = FindLineEnd(p, end)) {
        const std::string_view piece(p, static_cast<std::size_t>(lineEnd - p));
        if (m_longLine || !m_carry.empty()) {
            EndPiece(piece);
        } else if (!piece.empty()) {
            Evaluate(piece);  // a whole line within the block, the common case
        }
        // The LF of a CR LF pair ends no line of its own.
        const bool afterCR = lineEnd != begin ? lineEnd[-1] == '\r' : m_afterCR;
        if (*lineEnd == '\r' || !afterCR) ++m_lineNumber;
        p = lineEnd + 1;
    }
    KeepTail(std::string_view(p, static_cast<std::size_t>(end - p)));
    m_afterCR = end[-1] == '\r';
}

void BatchRunner::Finish() { EndPiece({}); }

void BatchRunner::EndPiece(std::string_view piece) {
    if (m_longLine) {
        m_longLine->Add(piece);
        EndLongLine();
    } else if (!m_carry.empty()) {
        m_carry.append(piece);
        Evaluate(m_carry);
        m_carry.clear();
    } else if (!piece.empty()) {
        Evaluate(piece);
    }
}

void BatchRunner::KeepTail(std::string_view tail) {
    if (m_longLine) {
        m_longLine->Add(tail);
        return;
    }
    m_carry.append(tail);
    if (m_carry.size() > kLongLine) {
        m_longLine = std::make_unique<LongLine>(m_sink);
        m_longLine->Add(m_carry);
        m_carry.clear();
    }
}

void BatchRunner::Evaluate(std::string_view line) {
    const LineOutcome outcome = EvaluateLineOutcome(line);
    if (outcome.status != LineStatus::Nothing) Hand(line, outcome);
}

void BatchRunner::EndLongLine() {
    const LineOutcome outcome = m_longLine->Finish();
    m_textLost |= m_longLine->TextLost();
    m_longLine.reset();
    if (outcome.status != LineStatus::Nothing) Hand({}, outcome);
}

void BatchRunner::Hand(std::string_view text, const LineOutcome& outcome) {
    char buffer[kValueTextRoom];
    m_sink.EndLine({text, outcome, FormatOutcome(outcome, buffer), m_lineNumber});
}

}  // namespace quorvane::batch
