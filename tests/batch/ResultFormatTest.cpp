#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

#include "ResultFormat.h"

namespace {

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
                             -99.995};
    for (const double v : values) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.2f", v);
        std::string out;
        AppendFixed2(out, v);
        EXPECT_EQ(out, expected) << v;
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
