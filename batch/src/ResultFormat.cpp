#include "batch/ResultFormat.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quorvane::batch {

namespace {

// The eight decimal digits of n, below 10^8, leading zeros included, as the
// bytes of a 64-bit word in memory order, each byte the value 0 to 9 of its
// digit: n is split into two halves of four digits, each half into two of
// two digits and each of those into two digits, in the lanes of the word side
// by side.
std::uint64_t EightDigitValues(std::uint64_t n) {
    static_assert(std::endian::native == std::endian::little,
                  "the first digit goes into the lowest byte");
    std::uint64_t lanes = n / 10000 | (n % 10000) << 32;  // 32-bit lanes below 10^4
    const std::uint64_t hundreds = ((lanes * 10486) >> 20) & 0x0000007F0000007F;
    lanes = (lanes - hundreds * 100) << 16 | hundreds;  // 16-bit lanes below 100
    const std::uint64_t tens = ((lanes * 103) >> 10) & 0x000F000F000F000F;
    return (lanes - tens * 10) << 8 | tens;  // 8-bit lanes below 10
}

// Hundredths below this, of values below 10^6, are written in one word.
constexpr std::uint64_t kWordHundredths = 100000000;

// Writes n hundredths, below kWordHundredths, with two decimals at `to`,
// which has room for 16 bytes; returns where the text ends. All eight digits
// are made at once; the leading zeros, the low bytes that are zero, are
// shifted out, and the rest is stored with one word, of which the bytes
// after the digits are left behind as they fall; the two decimals are then
// stored one byte further on, after the point. How many digits a value has
// is no branch that varies from value to value.
char* WriteHundredths(char* to, std::uint64_t n) {
    const std::uint64_t values = EightDigitValues(n);
    // The digit before the point's is counted as not zero: "0.05", not ".05".
    const int zeros = std::countr_zero(values | std::uint64_t{1} << 40) / 8;
    const std::uint64_t digits = (values | 0x3030303030303030) >> (8 * zeros);
    const int integerDigits = 6 - zeros;
    const auto decimals = static_cast<std::uint16_t>(digits >> (8 * integerDigits));
    std::memcpy(to, &digits, sizeof digits);
    to[integerDigits] = '.';
    std::memcpy(to + integerDigits + 1, &decimals, sizeof decimals);
    return to + integerDigits + 3;
}

// Writes the decimal digits of n, not 0, at `to`, which has room for 20
// bytes; returns where they end. Eight digits are made and stored at once, as
// for the hundredths, the leading zeros of the first eight shifted out.
char* WriteDigits(char* to, std::uint64_t n) {
    constexpr std::uint64_t kWordDigits = 100000000;
    if (n >= kWordDigits) {
        to = WriteDigits(to, n / kWordDigits);
        const std::uint64_t digits = EightDigitValues(n % kWordDigits) | 0x3030303030303030;
        std::memcpy(to, &digits, sizeof digits);
        return to + sizeof digits;
    }
    const std::uint64_t values = EightDigitValues(n);
    const int zeros = std::countr_zero(values) / 8;
    const std::uint64_t digits = (values | 0x3030303030303030) >> (8 * zeros);
    std::memcpy(to, &digits, sizeof digits);
    return to + sizeof digits - zeros;
}

// Writes the integer part and the two decimals of a value of 10^6 or more at
// `to`, which has room for 23 bytes; returns where the text ends.
char* WriteLargeFixed2(char* to, std::uint64_t integer, std::uint64_t cents) {
    char* const point = WriteDigits(to, integer);
    *point = '.';
    point[1] = static_cast<char>('0' + cents / 10);
    point[2] = static_cast<char>('0' + cents % 10);
    return point + 3;
}

// Measured against std::to_chars for every value: quorvane-cli 15% fewer instructions and time.
// Measured against writing the digits backwards into a buffer of its own and
// copying them: quorvane-cli 2% fewer instructions.
//
// Writes a finite value with two decimals at `to`, which has room for 24
// bytes, when exact 64-bit integer arithmetic gives its digits, which it does
// below 2^64; returns where the text ends, or null for larger values,
// infinities and not-a-numbers.
//
// A double is m * 2^e with an integer m below 2^53. For e >= 0 it is an
// integer. Otherwise its hundredfold, 100m / 2^-e, is rounded to the nearest
// integer, a tie to the even one, which is what printf's "%.2f" does with
// the exact binary value.
char* WriteFixed2Exact(char* to, double value) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
    // The value is m / 2^shift, shift = -e, when it is normal. Zero and the
    // subnormals, whose shift is taken as the largest, round to 0.00 like
    // every value below 2^-11.
    const int shift = 1075 - static_cast<int>((bits >> 52) & 0x7FF);
    *to = '-';
    char* const start = to + (bits >> 63);

    if (shift <= 0) {
        if (shift < -11) return nullptr;                        // 2^64 or more
        return WriteLargeFixed2(start, mantissa << -shift, 0);  // 2^52 or more
    }
    std::uint64_t hundredths = 0;  // the hundredfold, rounded
    if (shift < 64) {
        const std::uint64_t hundredfold = mantissa * 100;  // below 2^60
        // Just under a half added carries into the integer above a half;
        // the integer's last bit added carries on a half when it is odd.
        const std::uint64_t almostHalf = (std::uint64_t{1} << (shift - 1)) - 1;
        hundredths = (hundredfold + almostHalf + ((hundredfold >> shift) & 1)) >> shift;
    }
    if (hundredths >= kWordHundredths) {
        return WriteLargeFixed2(start, hundredths / 100, hundredths % 100);
    }
    return WriteHundredths(start, hundredths);
}

}  // namespace

std::size_t WriteFixed2(char* to, double value) {
    if (const char* end = WriteFixed2Exact(to, value)) return static_cast<std::size_t>(end - to);
    std::string_view text;
    if (std::isnan(value)) {
        text = "nan";
    } else if (std::isinf(value)) {
        text = value < 0 ? "-inf" : "inf";
    } else {
        const auto [last, error] =
            std::to_chars(to, to + kValueTextRoom, value, std::chars_format::fixed, 2);
        return static_cast<std::size_t>(last - to);
    }
    std::memcpy(to, text.data(), text.size());
    return text.size();
}

void AppendFixed2(std::string& out, double value) {
    char text[kValueTextRoom];
    out.append(text, WriteFixed2(text, value));
}

void AppendOutcome(std::string& out, const engine::LineOutcome& outcome) {
    char text[kValueTextRoom];
    out.append(text, WriteOutcome(text, outcome));
}

}  // namespace quorvane::batch
