#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>

#include "batch/ResultFormat.h"

namespace {

using quorvane::batch::AppendFixed2;
using quorvane::batch::AppendOutcome;
using quorvane::engine::LineStatus;

TEST(AppendFixed2, SameDigitsAsPrintf) {
    const double values[] = {0.0,
                             -0.0,
                             1.005,
                             2.675,
                             0.125,
                             0.375,
                             -1.5,
                             168.0,
                             26.6,
                             1e15,
                             1e22,
                             1e300,
                             1.7976931348623157e308,
                             5e-324,
                             -0.001,
                             0.005,
                             123456.789,
                             -99.995,
                             12345678.9,
                             -123456789.01,
                             99999999.995,
                             -0.004,
                             18446744073709549568.0};
    for (const double v : values) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.2f", v);
        std::string out;
        AppendFixed2(out, v);
        EXPECT_EQ(out, expected) << v;
    }
}

// Values of every magnitude, and exact ties of the second decimal (multiples
// of 1/8 and finer), against the C library's "%.2f".
TEST(AppendFixed2, SameDigitsAsPrintfAcrossMagnitudesAndTies) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 300000; ++i) {
        double v = 0.0;
        if (i % 3 == 0) {
            v = std::bit_cast<double>(random());  // any finite double
            if (!std::isfinite(v)) continue;
        } else if (i % 3 == 1) {
            const int exponent = 1023 - 70 + static_cast<int>(random() % 140);  // 2^-70 to 2^70
            v = std::bit_cast<double>((random() & 0x800FFFFFFFFFFFFFull) |
                                      (static_cast<std::uint64_t>(exponent) << 52));
        } else {
            const auto eighths = static_cast<std::int64_t>(random() % 2000001) - 1000000;
            v = static_cast<double>(eighths) / 8.0 / static_cast<double>(1 << (random() % 12));
        }
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.2f", v);
        std::string out;
        AppendFixed2(out, v);
        ASSERT_EQ(out, expected) << std::hexfloat << v;
    }
}

// Each side of every power of ten, where the count of integer digits changes.
TEST(AppendFixed2, SameDigitsAsPrintfAtPowersOfTen) {
    for (double power = 1; power <= 1e10; power *= 10) {
        for (const double v : {power - 1, power - 0.001, power, -power}) {
            char expected[400];
            std::snprintf(expected, sizeof expected, "%.2f", v);
            std::string out;
            AppendFixed2(out, v);
            EXPECT_EQ(out, expected) << v;
        }
    }
}

TEST(AppendFixed2, InfinitiesAndNotANumbers) {
    const std::pair<double, const char*> cases[] = {
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {-std::numeric_limits<double>::quiet_NaN(), "nan"}};
    for (const auto& [value, text] : cases) {
        std::string out;
        AppendFixed2(out, value);
        EXPECT_EQ(out, text);
    }
}

TEST(AppendOutcome, ErrorForFailures) {
    std::string out;
    AppendOutcome(out, {LineStatus::Failure, 0.0});
    AppendOutcome(out, {LineStatus::Value, 2.5});
    EXPECT_EQ(out, "Error2.50");
}

}  // namespace
