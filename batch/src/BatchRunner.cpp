#include "batch/BatchRunner.h"

#include <algorithm>
#include <cstring>

#include "LongLine.h"

namespace quorvane::batch {

// A line is taken in pieces only beyond the bytes that decide its outcome.
static_assert(kLongLine > LongLine::kDecidingBytes);

namespace {

// The first byte c in [p, end), or end.
const char* Find(const char* p, const char* end, char c) {
    const void* found = std::memchr(p, c, static_cast<std::size_t>(end - p));
    return found != nullptr ? static_cast<const char*>(found) : end;
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
    // The next CR and the next LF; each is looked for again only once it
    // lies behind, so a text without CR is searched for CR once.
    const char* cr = Find(p, end, '\r');
    const char* lf = Find(p, end, '\n');
    for (const char* lineEnd = std::min(cr, lf); lineEnd != end; lineEnd = std::min(cr, lf)) {
        const std::string_view piece(p, static_cast<std::size_t>(lineEnd - p));
        // Only the first line end of a block can end a line begun before it.
        if (p == begin) {
            EndPiece(piece);
        } else if (!piece.empty()) {
            Evaluate(piece);
        }
        // The LF of a CR LF pair ends no line of its own.
        const bool afterCR = lineEnd != begin ? lineEnd[-1] == '\r' : m_afterCR;
        if (*lineEnd == '\r' || !afterCR) ++m_lineNumber;
        p = lineEnd + 1;
        if (cr < p) cr = Find(p, end, '\r');
        if (lf < p) lf = Find(p, end, '\n');
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
    const engine::LineOutcome outcome = engine::EvaluateLineOutcome(line, m_warnings);
    if (outcome.status != engine::LineStatus::Nothing) Hand(line, outcome);
}

void BatchRunner::EndLongLine() {
    const engine::LineOutcome outcome = m_longLine->Finish(m_warnings);
    m_textLost |= m_longLine->TextLost();
    m_longLine.reset();
    if (outcome.status != engine::LineStatus::Nothing) Hand({}, outcome);
}

void BatchRunner::Hand(std::string_view text, const engine::LineOutcome& outcome) {
    m_sink.EndLine({text, outcome, m_lineNumber, m_warnings});
}

}  // namespace quorvane::batch
