// The engine's one record: tokens, their postfix copies and variable records
// all share this layout, so they can be copied whole.
#pragma once

#include <cstdint>

namespace quorvane::engine {

enum ItemKind : std::int16_t {
    KIND_PAREN = 1,     // "(" and ")"
    KIND_FUNCTION = 2,  // one-argument function, and a sign once the converter knows it is one
    KIND_OPERATOR = 3,  // two operands: + - * / % = , POW ATAN2
    KIND_NUMBER = 4,
    KIND_VARIABLE = 5,
};

// The `row` of a token that has no row of the operator table.
inline constexpr std::uint8_t kNoRow = 0xFF;

// A token holds no copy of its text: it names it by where it stands in the
// line, which outlives the line's tokens. The record is kept small, since a
// line's lists hold hundreds of them and the converter copies them whole.
// The record once had `ivalue`, `value` rounded; it went dead when "%" and ROUND moved to doubles.
struct ExprItem {
    std::int16_t kind;  // an ItemKind
    std::int16_t prec;  // precedence; own-value flag of operands (kOwnValue)
    // Token: the 1-based byte column of its first character in the line, and
    // the length of its text there.
    std::uint16_t column;
    std::uint8_t length;
    // Parenthesis, operator and function token: the index of its row of the
    // operator table; kNoRow for the others.
    std::uint8_t row;
    double value;
    ExprItem* ref;  // variable token: its variable record
};

// The own-value flag, kept in `prec` of a variable token and of a variable
// record. A token gets it once the evaluation has written a result into it:
// from then on the token stands for that result, no longer for its variable.
// A record gets it once a value has been assigned to it.
inline constexpr std::int16_t kOwnValue = 1;
inline constexpr std::int16_t kNoOwnValue = 0;
// Kept in `prec` of a variable record, after the evaluation, once the warning
// that its name has no value is noted.
inline constexpr std::int16_t kNoValueNoted = 2;

// True when the variable token (or record) holds a value of its own.
inline bool HoldsOwnValue(const ExprItem& variable) { return variable.prec == kOwnValue; }

// Stores an assigned value into a variable record.
inline void AssignVariable(ExprItem& record, double x) {
    record.value = x;
    record.prec = kOwnValue;
}

}  // namespace quorvane::engine
