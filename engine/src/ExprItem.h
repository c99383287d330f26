// The engine's one record: operator-table rows, tokens, postfix copies and
// variable records all share this layout, so they can be copied whole.
#pragma once

#include <cmath>
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

struct ExprItem {
    std::int32_t kind;
    std::int32_t prec;  // precedence; own-value flag of variables (kOwnValue)
    char name[kItemNameSize];
    double value;
    std::int32_t ivalue;  // value rounded half away from zero
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

// Rounds half away from zero to a signed 32-bit integer: x + 0.5 (x - 0.5 when
// negative) truncated toward zero. Values beyond 64 bits or not a number give 0;
// others keep the low 32 bits of the truncated integer.
inline std::int32_t RoundToInt32(double x) {
    const double shifted = x + std::copysign(0.5, x);  // -0.0 gives -0.5, truncated to 0 too
    // Beyond 2^63 (or not a number) the integer does not exist. Below it the
    // conversion to 64 bits truncates toward zero, and the low 32 bits are
    // kept, as a 32-bit integer conversion of the truncated value would.
    if (!(std::fabs(shifted) < 9223372036854775808.0)) return 0;
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::int64_t>(shifted)));
}

// Stores v into the record together with its rounded twin.
inline void SetItemValue(ExprItem& item, double v) {
    item.value = v;
    item.ivalue = RoundToInt32(v);
}

}  // namespace quorvane::engine
