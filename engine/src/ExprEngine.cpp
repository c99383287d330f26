#include "ExprEngine.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "OperatorTable.h"

namespace quorvane::engine {

CExprEngine::CExprEngine(VariableList& variables) : m_tableCount(0), m_variables(variables) {
    BuildTable();
}

namespace {

// Copies the bytes of a table row that carry meaning: kind, precedence, the
// name with its NUL (every name of the table fits in kTableNameBytes), value
// and ivalue. ref is not set.
void CopyRow(ExprItem& to, const ExprItem& from) {
    constexpr std::size_t kHead = offsetof(ExprItem, name) + kTableNameBytes;
    constexpr std::size_t kValues = offsetof(ExprItem, value);
    constexpr std::size_t kValuesEnd = offsetof(ExprItem, ref);
    auto* out = reinterpret_cast<unsigned char*>(&to);
    const auto* in = reinterpret_cast<const unsigned char*>(&from);
    std::memcpy(out, in, kHead);
    std::memcpy(out + kValues, in + kValues, kValuesEnd - kValues);
}

template <std::size_t... Rows>
void CopyPreparedRows(ExprItem* to, std::index_sequence<Rows...>) {
    (CopyRow(to[Rows], kPreparedTable[Rows]), ...);
}

}  // namespace

// Appends the 31 rows at m_tableCount, copied from the prepared table. A
// table with no room left for them stays as it is.
std::int32_t CExprEngine::BuildTable() {
    if (m_tableCount > kTableRoom - kTableRows) return 0;
    CopyPreparedRows(m_table + m_tableCount, std::make_index_sequence<kTableRows>{});
    m_tableCount += kTableRows;
    return 1;
}

ExprItem* CExprEngine::FindOrAddVariable(std::string_view name) {
    const std::size_t position = m_variables.LowerBound(name);
    if (position < m_variables.Count() && name == m_variables.At(position)->name) {
        return m_variables.At(position);
    }
    return m_variables.Insert(position, name);
}

std::int32_t CExprEngine::SetVariable(std::string_view name, double x) {
    ExprItem* record = m_variables.Find(name);
    if (record == nullptr) return 0;
    SetItemValue(*record, x);
    record->prec = kOwnValue;
    return 1;
}

}  // namespace quorvane::engine
