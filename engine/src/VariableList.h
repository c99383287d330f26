// The variables of one line: records sorted by name, owned by the list.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "ExprItem.h"

namespace quorvane::engine {

class VariableList {
  public:
    static constexpr std::size_t kInitialRoom = 64;

    VariableList() = default;
    VariableList(const VariableList&) = delete;
    VariableList& operator=(const VariableList&) = delete;

    std::size_t Count() const { return m_count; }
    ExprItem* At(std::size_t i) const { return Slots()[i]; }

    // First position whose name is not less than the given name.
    std::size_t LowerBound(std::string_view name) const;
    // The record of exactly that name, or null.
    ExprItem* Find(std::string_view name) const;
    // Creates a new record for the name (which must not be in the list yet)
    // at its sorted position and returns it.
    ExprItem* Insert(std::size_t position, std::string_view name);

  private:
    ExprItem* const* Slots() const { return m_more.empty() ? m_slots : m_more.data(); }
    ExprItem* NewRecord();

    // Room for the first 64 pointers and records lives inside the list, so a
    // line with few variables allocates nothing; beyond that the list grows.
    ExprItem* m_slots[kInitialRoom];
    std::vector<ExprItem*> m_more;
    std::size_t m_count = 0;
    ExprItem m_records[kInitialRoom];
    std::vector<std::unique_ptr<ExprItem[]>> m_moreRecords;
    std::size_t m_recordCount = 0;
};

}  // namespace quorvane::engine
