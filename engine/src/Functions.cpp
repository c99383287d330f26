#include "engine/Functions.h"

#include <array>

#include "OperatorTable.h"

namespace quorvane::engine {

namespace {

// A row whose name begins with a letter is a function: the others are
// parentheses and operator characters.
constexpr bool IsFunctionRow(const OperationRow& row) {
    return row.name[0] >= 'A' && row.name[0] <= 'Z';
}

constexpr std::size_t kFunctionCount = [] {
    std::size_t count = 0;
    for (const OperationRow& row : kOperationTable) count += IsFunctionRow(row) ? 1 : 0;
    return count;
}();

constexpr std::array<std::string_view, kFunctionCount> kFunctionNames = [] {
    std::array<std::string_view, kFunctionCount> names{};
    std::size_t next = 0;
    for (const OperationRow& row : kOperationTable) {
        if (IsFunctionRow(row)) names[next++] = row.name;
    }
    return names;
}();

}  // namespace

std::span<const std::string_view> FunctionNames() { return kFunctionNames; }

}  // namespace quorvane::engine
