#include "VariableList.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace quorvane::engine {

namespace {

// Byte-wise comparison with bytes taken as unsigned, as std::string_view does.
bool NameLess(std::string_view a, std::string_view b) { return a < b; }

}  // namespace

// A standard-layout record and its first member share their address.
static_assert(std::is_standard_layout_v<VariableRecord>);

std::string_view VariableList::NameOf(const ExprItem& record) {
    return reinterpret_cast<const VariableRecord&>(record).Name();
}

std::size_t VariableList::LowerBound(std::string_view name) const {
    VariableRecord* const* slots = Slots();
    std::size_t first = 0;
    std::size_t count = m_count;
    while (count > 0) {
        const std::size_t half = count / 2;
        if (NameLess(slots[first + half]->Name(), name)) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return first;
}

ExprItem* VariableList::Find(std::string_view name) const {
    const std::size_t position = LowerBound(name);
    if (position < m_count && NameAt(position) == name) return At(position);
    return nullptr;
}

VariableRecord* VariableList::NewRecord() {
    const std::size_t index = m_recordCount++;
    if (index < kRecordsWithin) return &m_records[index];
    const std::size_t extra = index - kRecordsWithin;
    if (extra % kRecordBlock == 0) {
        m_moreRecords.push_back(std::make_unique<VariableRecord[]>(kRecordBlock));
    }
    return &m_moreRecords.back()[extra % kRecordBlock];
}

ExprItem* VariableList::Insert(std::size_t position, std::string_view name) {
    VariableRecord* record = NewRecord();
    const std::size_t length = std::min(name.size(), static_cast<std::size_t>(kTokenLimit));
    if (length != 0) std::memcpy(record->name, name.data(), length);
    record->length = static_cast<std::uint8_t>(length);
    ExprItem& item = record->item;
    item.kind = KIND_VARIABLE;
    item.prec = kNoOwnValue;
    item.column = 0;
    item.length = 0;
    item.row = kNoRow;
    item.value = 0.0;
    item.ref = nullptr;

    if (m_more.empty() && m_count < kInitialRoom) {
        std::copy_backward(m_slots + position, m_slots + m_count, m_slots + m_count + 1);
        m_slots[position] = record;
    } else {
        if (m_more.empty()) m_more.assign(m_slots, m_slots + m_count);
        m_more.insert(m_more.begin() + static_cast<std::ptrdiff_t>(position), record);
    }
    ++m_count;
    return &item;
}

}  // namespace quorvane::engine
