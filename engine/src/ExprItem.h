// The engine's one record: operator-table rows, tokens, postfix copies and
// variable records all share this layout, so they can be copied whole.
#pragma once

#include <cstdint>

namespace quorvane::engine {

enum ItemKind : std::int32_t {
    KIND_PAREN = 1,     // "(" and ")"
    KIND_FUNCTION = 2,  // one-argument function, and a sign once the converter knows it is one
    KIND_OPERATOR = 3,  // two operands: + - * / % = , POW ATAN2
    KIND_NUMBER = 4,
    KIND_VARIABLE = 5,
};

inline constexpr int kItemNameSize = 64;  // 63 characters and the NUL

struct OperationRow;

// The record once had `ivalue`, `value` rounded; it went dead when "%" and ROUND moved to doubles.
struct ExprItem {
    std::int32_t kind;
    std::int32_t prec;  // precedence; own-value flag of variables (kOwnValue)
    char name[kItemNameSize];
    double value;
    std::int32_t column;  // token: 1-based byte column of its first character in the line
    ExprItem* ref;        // variable token: its variable record
    // Parenthesis, operator and function token: its row of the operator table.
    const OperationRow* row;
};

// The own-value flag, kept in `prec` of a variable token and of a variable
// record. A token gets it once the evaluation has written a result into it:
// from then on the token stands for that result, no longer for its variable.
// A record gets it once a value has been assigned to it.
inline constexpr std::int32_t kOwnValue = 1;
inline constexpr std::int32_t kNoOwnValue = 0;
// Kept in `prec` of a variable record, after the evaluation, once the warning
// that its name has no value is noted.
inline constexpr std::int32_t kNoValueNoted = 2;

// True when the variable token (or record) holds a value of its own.
inline bool HoldsOwnValue(const ExprItem& variable) { return variable.prec == kOwnValue; }

// Stores an assigned value into a variable record.
inline void AssignVariable(ExprItem& record, double x) {
    record.value = x;
    record.prec = kOwnValue;
}

}  // namespace quorvane::engine
