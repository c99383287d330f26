#include "ExprItem.h"

#include <cmath>

std::int32_t RoundToInt32(double x) {
    const double rounded = std::trunc(x >= 0.0 ? x + 0.5 : x - 0.5);
    // Beyond 2^63 (or not a number) the integer does not exist; below it keep
    // the low 32 bits, as a 32-bit integer conversion of the truncated value would.
    if (!(std::fabs(rounded) < 9223372036854775808.0)) return 0;
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::int64_t>(rounded)));
}
