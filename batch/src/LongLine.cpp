#include "LongLine.h"

#include <cstdio>
#include <vector>

namespace quorvane::batch {

namespace {

// Stands for the rest of a line that holds something, after its deciding
// bytes: of the rest, only that it holds something counts.
constexpr char kSomethingMore = '0';

}  // namespace

void HeldBytes::Add(std::string_view bytes) {
    const bool fits = !m_spill && m_memory.size() + bytes.size() <= kHeldInMemory;
    if (fits || !Spill()) {
        m_memory.append(bytes);
    } else if (!WriteBytes(m_spill.get(), bytes)) {
        m_spillFailed = true;
    }
}

bool HeldBytes::MoveTo(BatchSink& sink) {
    if (!m_memory.empty()) sink.AddLineText(m_memory);
    bool ok = true;
    if (m_spill) {
        std::rewind(m_spill.get());
        std::vector<char> block(kHeldInMemory);
        bool failed = m_spillFailed;
        while (const std::size_t got =
                   ReadBlock(m_spill.get(), block.data(), block.size(), failed)) {
            sink.AddLineText(std::string_view(block.data(), got));
        }
        ok = !failed;
    }
    Clear();
    return ok;
}

void HeldBytes::Clear() {
    m_memory.clear();
    m_spill.reset();
    m_spillFailed = false;
}

bool HeldBytes::Spill() {
    if (!m_spill) m_spill.reset(std::tmpfile());
    return m_spill != nullptr;
}

void LongLine::Add(std::string_view bytes) {
    if (m_kept.size() < kDecidingBytes)
        m_kept.append(bytes.substr(0, kDecidingBytes - m_kept.size()));
    // The bytes up to `settled` belong to the lead, which is held back until
    // it is settled.
    std::size_t settled = 0;
    while (settled < bytes.size()) {
        if (m_lead == Lead::Blanks) {
            settled = bytes.find_first_not_of(" \t", settled);
            if (settled == std::string_view::npos) {
                settled = bytes.size();
            } else {
                m_lead = Lead::FirstByte;
                m_first = bytes[settled++];
            }
        } else if (m_lead == Lead::FirstByte) {
            const char firstBytes[] = {m_first, bytes[settled]};
            Settle(std::string_view(firstBytes, 2));
        } else {
            break;
        }
    }
    switch (m_lead) {
        case Lead::Blanks:
        case Lead::FirstByte:
            m_held.Add(bytes);
            break;
        case Lead::Something:
            m_held.Add(bytes.substr(0, settled));
            MoveHeld();
            if (settled < bytes.size()) m_sink.AddLineText(bytes.substr(settled));
            break;
        case Lead::Nothing:
            m_held.Clear();
            break;
    }
}

engine::LineOutcome LongLine::Finish(std::vector<engine::LineWarning>& warnings) {
    if (m_lead == Lead::FirstByte) Settle(std::string_view(&m_first, 1));
    if (m_lead != Lead::Something) {
        m_held.Clear();
        warnings.clear();
        return {engine::LineStatus::Nothing, 0.0};
    }
    MoveHeld();
    m_kept += kSomethingMore;
    return engine::EvaluateLineOutcome(m_kept, warnings);
}

void LongLine::Settle(std::string_view firstBytes) {
    // Blanks and tabs ahead of them change nothing.
    m_lead = engine::EvaluateLineOutcome(firstBytes).status == engine::LineStatus::Nothing
                 ? Lead::Nothing
                 : Lead::Something;
}

void LongLine::MoveHeld() {
    if (!m_held.MoveTo(m_sink)) m_textLost = true;
}

}  // namespace quorvane::batch
