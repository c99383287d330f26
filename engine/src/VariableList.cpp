#include "VariableList.h"

#include <algorithm>
#include <cstring>

namespace quorvane::engine {

namespace {

std::string_view NameOf(const ExprItem& item) { return std::string_view(item.name); }

// Byte-wise comparison with bytes taken as unsigned, as std::string_view does.
bool NameLess(std::string_view a, std::string_view b) { return a < b; }

}  // namespace

std::size_t VariableList::LowerBound(std::string_view name) const {
    ExprItem* const* slots = Slots();
    std::size_t first = 0;
    std::size_t count = m_count;
    while (count > 0) {
        const std::size_t half = count / 2;
        if (NameLess(NameOf(*slots[first + half]), name)) {
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
    if (position < m_count && NameOf(*At(position)) == name) return At(position);
    return nullptr;
}

ExprItem* VariableList::NewRecord() {
    const std::size_t index = m_recordCount++;
    if (index < kInitialRoom) return &m_records[index];
    const std::size_t extra = index - kInitialRoom;
    if (extra % kInitialRoom == 0) {
        m_moreRecords.push_back(std::make_unique<ExprItem[]>(kInitialRoom));
    }
    return &m_moreRecords.back()[extra % kInitialRoom];
}

ExprItem* VariableList::Insert(std::size_t position, std::string_view name) {
    ExprItem* record = NewRecord();
    record->kind = KIND_VARIABLE;
    record->prec = kNoOwnValue;
    const std::size_t length = std::min(name.size(), static_cast<std::size_t>(kItemNameSize - 1));
    if (length != 0) std::memcpy(record->name, name.data(), length);
    record->name[length] = '\0';
    record->value = 0.0;
    record->column = 0;
    record->ref = nullptr;

    if (m_more.empty() && m_count < kInitialRoom) {
        std::copy_backward(m_slots + position, m_slots + m_count, m_slots + m_count + 1);
        m_slots[position] = record;
    } else {
        if (m_more.empty()) m_more.assign(m_slots, m_slots + m_count);
        m_more.insert(m_more.begin() + static_cast<std::ptrdiff_t>(position), record);
    }
    ++m_count;
    return record;
}

}  // namespace quorvane::engine
