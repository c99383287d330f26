// The operator table: one row for each parenthesis, operator and function,
// holding everything about it: its kind, its precedence, its name and its
// arithmetic. The lexer finds a token's row here and the token keeps its
// index; the converter and the evaluation read what they need from the row. Adding a
// function is adding its row. The lookups the lexer uses are derived from the
// table below it.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string_view>

#include "ExprItem.h"

namespace quorvane::engine {

// Every name of the table, with its NUL, fits in this many bytes.
inline constexpr std::size_t kTableNameBytes = 8;

// A right operand that a two-operand operator refuses, failing the line.
enum class RightOperand : std::uint8_t {
    Any,
    Nonzero,        // zero (0.0 or -0.0) is refused: a division by zero
    RoundsNonzero,  // one that rounds to zero is refused: a remainder by zero
};

struct OperationRow {
    ItemKind kind;
    std::int16_t prec;
    char name[kTableNameBytes];
    // Of a function: its value for the argument a. Of "+" and "-": the sign
    // they are in front of an operand (see ToPostfix). Null otherwise.
    double (*unary)(double a);
    // Of a two-operand operator: its value for the left operand a and the
    // right operand b. Null otherwise.
    double (*binary)(double a, double b) = nullptr;
    RightOperand right = RightOperand::Any;
    // The operator stores its right operand into the variable of its left one.
    bool assigns = false;
};

// Rounds half away from zero, keeping the result a double; never -0.
inline double RoundHalfAway(double x) { return std::round(x) + 0.0; }

// The rows in the order in which the lexer tries them: the first row of a
// name is the one that name means.
inline constexpr OperationRow kOperationTable[] = {
    {KIND_PAREN, 0, "(", nullptr},
    {KIND_PAREN, 0, ")", nullptr},
    // A comma never reaches the evaluation: the converter drops it.
    {KIND_OPERATOR, 2, ",", nullptr, [](double, double) { return 0.0; }},
    {KIND_OPERATOR, 3, "=", nullptr, [](double, double b) { return b; }, RightOperand::Any, true},
    {KIND_OPERATOR, 4, "+", [](double a) { return a; }, [](double a, double b) { return a + b; }},
    {KIND_OPERATOR, 4, "-", [](double a) { return 0.0 - a; },
     [](double a, double b) { return a - b; }},
    {KIND_OPERATOR, 6, "*", nullptr, [](double a, double b) { return a * b; }},
    {KIND_OPERATOR, 6, "/", nullptr, [](double a, double b) { return a / b; },
     RightOperand::Nonzero},
    // The remainder of the rounded operands, with the sign of the left one.
    {KIND_OPERATOR, 6, "%", nullptr,
     [](double a, double b) { return std::fmod(RoundHalfAway(a), RoundHalfAway(b)) + 0.0; },
     RightOperand::RoundsNonzero},
    {KIND_OPERATOR, 10, "POW", nullptr, [](double a, double b) { return std::pow(a, b); }},
    {KIND_FUNCTION, 10, "SQRT", [](double a) { return std::sqrt(a); }},
    {KIND_FUNCTION, 10, "EXP", [](double a) { return std::exp(a); }},
    {KIND_FUNCTION, 10, "EXP2", [](double a) { return std::exp2(a); }},
    {KIND_FUNCTION, 10, "EXP10", [](double a) { return std::pow(10.0, a); }},
    {KIND_FUNCTION, 10, "LOG", [](double a) { return std::log(a); }},
    {KIND_FUNCTION, 10, "LOG2", [](double a) { return std::log2(a); }},
    {KIND_FUNCTION, 10, "LOG10", [](double a) { return std::log10(a); }},
    {KIND_FUNCTION, 10, "SIN", [](double a) { return std::sin(a); }},
    {KIND_FUNCTION, 10, "COS", [](double a) { return std::cos(a); }},
    {KIND_FUNCTION, 10, "ATAN", [](double a) { return std::atan(a); }},
    {KIND_FUNCTION, 10, "ABS", [](double a) { return std::fabs(a); }},
    {KIND_FUNCTION, 10, "CEIL", [](double a) { return std::ceil(a); }},
    {KIND_FUNCTION, 10, "FLOOR", [](double a) { return std::floor(a); }},
    {KIND_FUNCTION, 10, "ROUND", [](double a) { return RoundHalfAway(a); }},
    {KIND_FUNCTION, 10, "TANH", [](double a) { return std::tanh(a); }},
    {KIND_FUNCTION, 10, "SINH", [](double a) { return std::sinh(a); }},
    {KIND_FUNCTION, 10, "COSH", [](double a) { return std::cosh(a); }},
    {KIND_FUNCTION, 10, "ACOS", [](double a) { return std::acos(a); }},
    {KIND_FUNCTION, 10, "ASIN", [](double a) { return std::asin(a); }},
    {KIND_FUNCTION, 10, "TAN", [](double a) { return std::tan(a); }},
    {KIND_OPERATOR, 10, "ATAN2", nullptr, [](double a, double b) { return std::atan2(a, b); }},
};

inline constexpr int kTableRows = static_cast<int>(std::size(kOperationTable));

// Every row has the arithmetic its kind is applied with.
static_assert([] {
    for (const OperationRow& row : kOperationTable) {
        if (row.kind == KIND_FUNCTION && (row.unary == nullptr || row.binary != nullptr)) {
            return false;
        }
        if (row.kind == KIND_OPERATOR && row.binary == nullptr) return false;
        if (row.kind == KIND_PAREN && (row.unary != nullptr || row.binary != nullptr)) {
            return false;
        }
    }
    return true;
}());

// A token's row fits in its record, and no row is kNoRow.
static_assert(kTableRows < kNoRow);

// The row of a parenthesis, operator or function token.
inline const OperationRow& RowOf(const ExprItem& token) { return kOperationTable[token.row]; }

// The first row of the name; kNoRow when there is none.
constexpr std::uint8_t RowNamed(std::string_view name) {
    for (int row = 0; row < kTableRows; ++row) {
        if (kOperationTable[row].name == name) return static_cast<std::uint8_t>(row);
    }
    return kNoRow;
}

// A token of each row, before it is given its place in the line.
inline constexpr std::array<ExprItem, kTableRows> kRowTokens = [] {
    std::array<ExprItem, kTableRows> tokens{};
    for (int row = 0; row < kTableRows; ++row) {
        const OperationRow& operation = kOperationTable[row];
        tokens[row] = {operation.kind, operation.prec, 0, 0, static_cast<std::uint8_t>(row), 0.0,
                       nullptr};
    }
    return tokens;
}();

// The rows that the converter tells apart from the others of their kind.
inline constexpr std::uint8_t kOpenRow = RowNamed("(");
inline constexpr std::uint8_t kCloseRow = RowNamed(")");
inline constexpr std::uint8_t kCommaRow = RowNamed(",");
static_assert(kOpenRow != kNoRow && kCloseRow != kNoRow && kCommaRow != kNoRow);

// Names are compared as words: the name's bytes and NULs up to
// kTableNameBytes, the first byte the lowest, as memory holds them here.
static_assert(std::endian::native == std::endian::little);
static_assert(kTableNameBytes == sizeof(std::uint64_t));

constexpr std::uint64_t NameWord(const char (&name)[kTableNameBytes]) {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < kTableNameBytes; ++i) {
        word |= std::uint64_t{static_cast<unsigned char>(name[i])} << (8 * i);
    }
    return word;
}

// Every name keeps its NUL within kTableNameBytes, and none is empty.
static_assert([] {
    for (const OperationRow& row : kOperationTable) {
        if (row.name[0] == '\0' || row.name[kTableNameBytes - 1] != '\0') return false;
    }
    return true;
}());

// The name of each row as a word; after the rows, a word that no text of a
// token has (every token has a first byte), which an empty slot points at.
inline constexpr std::array<std::uint64_t, kTableRows + 1> kRowNameWords = [] {
    std::array<std::uint64_t, kTableRows + 1> words{};
    for (int row = 0; row < kTableRows; ++row) words[row] = NameWord(kOperationTable[row].name);
    return words;
}();

// Names are found by a hash of their word into 2^kNameSlotBits slots, with a
// factor chosen so that no two different names share a slot.
inline constexpr int kNameSlotBits = 7;
static_assert(kTableRows <= (1 << kNameSlotBits), "a slot for every row");

constexpr std::size_t NameSlot(std::uint64_t word, std::uint64_t factor) {
    return static_cast<std::size_t>((word * factor) >> (64 - kNameSlotBits));
}

inline constexpr std::uint64_t kNameSlotFactor = [] {
    for (std::uint64_t factor = 0x9E3779B97F4A7C15;; factor += 0x3C6EF372FE94F82A) {
        bool distinct = true;
        for (int a = 0; a < kTableRows && distinct; ++a) {
            for (int b = a + 1; b < kTableRows && distinct; ++b) {
                distinct = kRowNameWords[a] == kRowNameWords[b] ||
                           NameSlot(kRowNameWords[a], factor) != NameSlot(kRowNameWords[b], factor);
            }
        }
        if (distinct) return factor;
    }
}();

// For every slot, the first row whose name hashes to it, or kTableRows.
inline constexpr std::array<std::uint8_t, std::size_t{1} << kNameSlotBits> kRowsByNameSlot = [] {
    std::array<std::uint8_t, std::size_t{1} << kNameSlotBits> rows{};
    rows.fill(static_cast<std::uint8_t>(kTableRows));
    for (int row = kTableRows - 1; row >= 0; --row) {
        rows[NameSlot(kRowNameWords[row], kNameSlotFactor)] = static_cast<std::uint8_t>(row);
    }
    return rows;
}();
// Each row, and the empty slots' mark kTableRows, fits in a slot.
static_assert(kTableRows <= std::numeric_limits<decltype(kRowsByNameSlot)::value_type>::max());

// The single-character operators: rows of a kind other than KIND_FUNCTION
// whose name is one character long.
inline constexpr std::array<bool, 256> kOperatorChars = [] {
    std::array<bool, 256> chars{};
    for (const OperationRow& row : kOperationTable) {
        if (row.kind != KIND_FUNCTION && row.name[0] != '\0' && row.name[1] == '\0') {
            chars[static_cast<unsigned char>(row.name[0])] = true;
        }
    }
    return chars;
}();

// For every byte, the first row whose name is that byte alone, or kNoRow: a
// text of one byte is looked up here rather than by its word.
inline constexpr std::array<std::uint8_t, 256> kRowsByByte = [] {
    std::array<std::uint8_t, 256> rows{};
    rows.fill(kNoRow);
    for (int row = kTableRows - 1; row >= 0; --row) {
        const char* name = kOperationTable[row].name;
        if (name[1] == '\0')
            rows[static_cast<unsigned char>(name[0])] = static_cast<std::uint8_t>(row);
    }
    return rows;
}();

}  // namespace quorvane::engine
