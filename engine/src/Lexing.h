// The layout of token names, shared by the lexer and the arithmetic.
#pragma once

#include <cstddef>
#include <cstring>

#include "ExprItem.h"

namespace quorvane::engine {

// A token name shorter than this is followed by NULs up to this size, in the
// raw token list and in the token records built from it, so that short names
// are copied and compared as whole words.
inline constexpr std::size_t kPaddedNameBytes = 16;

// Copies a token's name of the given length, NUL and padding included.
inline void CopyTokenName(char* to, const char* from, std::size_t length) {
    if (length < kPaddedNameBytes) {
        std::memcpy(to, from, kPaddedNameBytes);
    } else {
        std::memcpy(to, from, length + 1);
    }
}

// True when the padded name is exactly the given name of the table.
template <std::size_t Size>
inline bool NameIs(const char (&name)[kItemNameSize], const char (&wanted)[Size]) {
    static_assert(Size <= kPaddedNameBytes);
    return std::memcmp(name, wanted, Size) == 0;
}

}  // namespace quorvane::engine
