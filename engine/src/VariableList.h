// The variables of one line: records sorted by name, owned by the list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "ExprItem.h"
#include "engine/Evaluate.h"

namespace quorvane::engine {

// A variable record and its name, which the list keeps for its sorted lookup
// (tokens name their texts in the line instead).
struct VariableRecord {
    ExprItem item;  // first: the item leads back to its whole record
    std::uint8_t length;
    char name[kTokenLimit];

    std::string_view Name() const { return {name, length}; }
};

class VariableList {
  public:
    static constexpr std::size_t kInitialRoom = 64;  // pointers
    static constexpr std::size_t kRecordsWithin = 16;
    static constexpr std::size_t kRecordBlock = 64;  // records a block, beyond those within

    VariableList() = default;
    VariableList(const VariableList&) = delete;
    VariableList& operator=(const VariableList&) = delete;

    std::size_t Count() const { return m_count; }
    ExprItem* At(std::size_t i) const { return &Slots()[i]->item; }
    std::string_view NameAt(std::size_t i) const { return Slots()[i]->Name(); }
    // The name of a record that a VariableList made.
    static std::string_view NameOf(const ExprItem& record);

    // First position whose name is not less than the given name.
    std::size_t LowerBound(std::string_view name) const;
    // The record of exactly that name, or null.
    ExprItem* Find(std::string_view name) const;
    // Creates a new record for the name (which must not be in the list yet;
    // a name longer than kTokenLimit is cut there) at its sorted position
    // and returns it.
    ExprItem* Insert(std::size_t position, std::string_view name);

  private:
    VariableRecord* const* Slots() const { return m_more.empty() ? m_slots : m_more.data(); }
    VariableRecord* NewRecord();

    // Room for the first 64 pointers and 16 records lives inside the list, so
    // a line with few variables allocates nothing; beyond that the list grows.
    VariableRecord* m_slots[kInitialRoom];
    std::vector<VariableRecord*> m_more;
    std::size_t m_count = 0;
    VariableRecord m_records[kRecordsWithin];
    std::vector<std::unique_ptr<VariableRecord[]>> m_moreRecords;
    std::size_t m_recordCount = 0;
};

}  // namespace quorvane::engine
