#include "ExprEngine.h"

#include <cmath>
#include <cstring>

#include "OperatorTable.h"

CExprEngine::CExprEngine() : m_tableCount(0), m_variables(nullptr) { BuildTable(); }

// Appends the 31 rows at m_tableCount, copied from the prepared table.
std::int32_t CExprEngine::BuildTable() {
    std::memcpy(&m_table[m_tableCount], kPreparedTable, sizeof kPreparedTable);
    m_tableCount += kTableRows;
    return 1;
}

std::int32_t CExprEngine::IsOperatorChar(char ch) const {
    return kOperatorChars[static_cast<unsigned char>(ch)] ? 1 : 0;
}

ExprItem* CExprEngine::FindOrAddVariable(std::string_view name) {
    const std::size_t position = m_variables->LowerBound(name);
    if (position < m_variables->Count() && name == m_variables->At(position)->name) {
        return m_variables->At(position);
    }
    return m_variables->Insert(position, name);
}

std::int32_t CExprEngine::SetVariable(std::string_view name, double x) {
    ExprItem* record = m_variables->Find(name);
    if (record == nullptr) return 0;
    SetItemValue(*record, x);
    record->prec = 1;
    return 1;
}
