// The operator table as it is built for every engine, prepared once, with
// the lookups derived from it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ExprItem.h"

namespace quorvane::engine {

inline constexpr int kTableRows = 31;

inline constexpr ExprItem kPreparedTable[kTableRows] = {
    {KIND_PAREN, 0, "(", 0.0, 0, 0, nullptr},
    {KIND_PAREN, 0, ")", 0.0, 0, 0, nullptr},
    {KIND_OPERATOR, 2, ",", 0.0, 0, 0, nullptr},
    {KIND_OPERATOR, 3, "=", 0.0, 0, 0, nullptr},
    {KIND_OPERATOR, 4, "+", 0.0, 0, 0, nullptr},
    {KIND_OPERATOR, 4, "-", 0.0, 0, 0, nullptr},
    {KIND_OPERATOR, 6, "*", 0.0, 0, 0, nullptr},
    {KIND_OPERATOR, 6, "/", 0.0, 0, 0, nullptr},
    {KIND_OPERATOR, 6, "%", 0.0, 0, 0, nullptr},
    {KIND_OPERATOR, 10, "POW", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "SQRT", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "EXP", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "EXP2", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "EXP10", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "LOG", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "LOG2", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "LOG10", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "SIN", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "COS", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "ATAN", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "ABS", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "CEIL", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "FLOOR", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "ROUND", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "TANH", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "SINH", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "COSH", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "ACOS", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "ASIN", 0.0, 0, 0, nullptr},
    {KIND_FUNCTION, 10, "TAN", 0.0, 0, 0, nullptr},
    {KIND_OPERATOR, 10, "ATAN2", 0.0, 0, 0, nullptr},
};

// Every name of the table, with its NUL, fits in this many bytes.
inline constexpr std::size_t kTableNameBytes = 8;

// The length of each row's name.
inline constexpr std::array<std::uint8_t, kTableRows> kRowNameLengths = [] {
    std::array<std::uint8_t, kTableRows> lengths{};
    for (int row = 0; row < kTableRows; ++row) {
        std::uint8_t length = 0;
        while (kPreparedTable[row].name[length] != '\0') ++length;
        lengths[row] = length;
    }
    return lengths;
}();
static_assert([] {
    for (const std::uint8_t length : kRowNameLengths) {
        if (length + 1u > kTableNameBytes) return false;
    }
    return true;
}());

// For every byte, the set of rows (bit i for row i) whose name starts with it,
// so that classifying a token compares it only with the names that can match.
inline constexpr std::array<std::uint32_t, 256> kRowsByFirstByte = [] {
    std::array<std::uint32_t, 256> rows{};
    for (int row = 0; row < kTableRows; ++row) {
        rows[static_cast<unsigned char>(kPreparedTable[row].name[0])] |= std::uint32_t{1} << row;
    }
    return rows;
}();

// For every byte, the first row whose name is that byte alone, or -1.
inline constexpr std::array<std::int8_t, 256> kSingleByteRows = [] {
    std::array<std::int8_t, 256> rows{};
    rows.fill(-1);
    for (int row = kTableRows - 1; row >= 0; --row) {
        if (kRowNameLengths[static_cast<std::size_t>(row)] == 1) {
            rows[static_cast<unsigned char>(kPreparedTable[row].name[0])] =
                static_cast<std::int8_t>(row);
        }
    }
    return rows;
}();

// The single-character operators: rows of a kind other than KIND_FUNCTION
// whose name is one character long.
inline constexpr std::array<bool, 256> kOperatorChars = [] {
    std::array<bool, 256> chars{};
    for (const ExprItem& row : kPreparedTable) {
        if (row.kind != KIND_FUNCTION && row.name[0] != '\0' && row.name[1] == '\0') {
            chars[static_cast<unsigned char>(row.name[0])] = true;
        }
    }
    return chars;
}();

}  // namespace quorvane::engine
