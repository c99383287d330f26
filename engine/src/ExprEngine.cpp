// The variable store of the line being evaluated.
#include "ExprEngine.h"

namespace quorvane::engine {

ExprItem* CExprEngine::FindOrAddVariable(std::string_view name) {
    const std::size_t position = m_variables.LowerBound(name);
    if (position < m_variables.Count() && name == m_variables.NameAt(position)) {
        return m_variables.At(position);
    }
    return m_variables.Insert(position, name);
}

std::int32_t CExprEngine::SetVariable(std::string_view name, double x) {
    ExprItem* record = m_variables.Find(name);
    if (record == nullptr) return 0;
    AssignVariable(*record, x);
    return 1;
}

}  // namespace quorvane::engine
