#include "LongLine.h"

#include <cstdio>
#include <vector>

using quorvane::engine::EvaluateLineOutcome;

bool NothingScan::Feed(char c) {
    if (m_state == kBlanks) {
        if (c != ' ' && c != '\t') m_state = c == '/' ? kSlash : kSomething;
    } else if (m_state == kSlash) {
        m_state = c == '/' ? kNothing : kSomething;
    }
    return Open();
}

void HeldBytes::Add(std::string_view bytes) {
    const bool fits = !m_spill && m_memory.size() + bytes.size() <= kBlockSize;
    if (fits || !Spill()) {
        m_memory.append(bytes);
    } else if (!WriteBytes(m_spill.get(), bytes)) {
        m_spillFailed = true;
    }
}

bool HeldBytes::MoveTo(BlockWriter& writer) {
    writer.Append(m_memory);
    bool ok = true;
    if (m_spill) {
        std::rewind(m_spill.get());
        std::vector<char> block(kBlockSize);
        bool failed = m_spillFailed;
        while (const std::size_t got =
                   ReadBlock(m_spill.get(), block.data(), block.size(), failed)) {
            writer.Append(std::string_view(block.data(), got));
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

void LongLine::Start(std::string_view head) {
    m_active = true;
    m_prefix.clear();
    m_scan = NothingScan();
    m_held.Clear();
    Add(head);
}

void LongLine::Add(std::string_view bytes) {
    m_prefix.append(bytes.substr(0, kLongLine - m_prefix.size()));
    // While the line may still hold nothing, its bytes are held back.
    std::size_t open = 0;
    while (open < bytes.size() && m_scan.Feed(bytes[open])) ++open;
    if (m_file != nullptr) m_held.Add(bytes.substr(0, open));
    if (m_scan.Open() || m_scan.HoldsNothing()) return;
    WriteHeld();
    Write(bytes.substr(open));
}

LineOutcome LongLine::Finish() {
    m_active = false;
    if (m_scan.HoldsNothing()) return {LineStatus::Nothing, 0.0};
    WriteHeld();
    const LineOutcome outcome = EvaluateLineOutcome(m_prefix);
    // Its kept start alone holds nothing: what follows is too far in.
    if (outcome.status == LineStatus::Nothing) return {LineStatus::Failure, 0.0};
    return outcome;
}

void LongLine::WriteHeld() {
    if (m_file != nullptr && !m_held.MoveTo(*m_file)) m_readBackFailed = true;
}

// A line holds no LF, so its bytes go to the file as they are.
void LongLine::Write(std::string_view bytes) {
    if (m_file != nullptr) m_file->Append(bytes);
}
