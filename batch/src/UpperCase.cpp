#include "batch/UpperCase.h"

#include <cstddef>

namespace quorvane::batch {

namespace {

// Measured against an unsigned test of c - 'a' and a subtraction: quorvane-cli 0.2% fewer
// instructions.
//
// Upper-cases the a to z of one byte. The byte is moved so that a to z are
// the least signed bytes, and upper-cased by clearing the bit that tells the
// cases apart: both are single vector instructions on the processors this
// runs on, which the compiler uses for the chunks below.
char UpperCaseByte(char c) {
    const auto shifted = static_cast<signed char>(static_cast<unsigned char>(c) + (128 - 'a'));
    return static_cast<char>(c ^ (shifted < -128 + 26 ? 'a' - 'A' : 0));
}

// Every byte on its own, in chunks of fixed size that the compiler turns
// into vector instructions; the last few bytes one by one.
// Measured against eight bytes at a time in a 64-bit word: quorvane-cli
// 1% fewer instructions.
void UpperCaseBytes(std::span<char> text) {
    constexpr std::size_t kChunk = 32;
    char* p = text.data();
    char* const end = p + text.size();
    for (; end - p >= static_cast<std::ptrdiff_t>(kChunk); p += kChunk) {
        for (std::size_t i = 0; i < kChunk; ++i) p[i] = UpperCaseByte(p[i]);
    }
    for (; p != end; ++p) *p = UpperCaseByte(*p);
}

}  // namespace

bool UpperCaseText(std::span<char> text, LeadBytePredicate isLeadByte, bool trailFirst) {
    if (isLeadByte == nullptr) {
        UpperCaseBytes(text);
        return false;
    }
    std::size_t i = trailFirst ? 1 : 0;
    for (; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (isLeadByte(c)) {
            ++i;  // the trail byte of a double-byte character
        } else {
            text[i] = UpperCaseByte(text[i]);
        }
    }
    // A lead byte at the end leaves i one past the text.
    return i > text.size();
}

}  // namespace quorvane::batch
