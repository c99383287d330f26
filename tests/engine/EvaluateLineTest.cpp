#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "ExprEngine.h"

namespace quorvane::engine {

namespace {

constexpr double kPi = std::numbers::pi;

struct LineCase {
    std::string line;
    LineStatus status;
    double value;
};

LineCase V(std::string line, double value) { return {std::move(line), LineStatus::Value, value}; }
LineCase F(std::string line) { return {std::move(line), LineStatus::Failure, 0.0}; }
LineCase N(std::string line) { return {std::move(line), LineStatus::Nothing, 0.0}; }

void PrintTo(const LineCase& c, std::ostream* os) { *os << '\'' << c.line << '\''; }

class EvaluateLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(EvaluateLineTest, Outcome) {
    const LineCase& c = GetParam();
    const LineOutcome outcome = EvaluateLineOutcome(c.line);
    EXPECT_EQ(outcome.status, c.status) << c.line;
    if (std::isnan(c.value)) {
        EXPECT_TRUE(std::isnan(outcome.value)) << c.line;
    } else {
        EXPECT_DOUBLE_EQ(outcome.value, c.value) << c.line;
        EXPECT_EQ(std::signbit(outcome.value), std::signbit(c.value)) << c.line;
    }
    // The plain entry gives the value, or 0 for the other outcomes.
    const double plain = EvaluateLine(c.line);
    if (!std::isnan(c.value)) {
        EXPECT_DOUBLE_EQ(plain, c.value) << c.line;
    }
}

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, EvaluateLineTest,
    ::testing::Values(V("1+2", 3), V("2*(3+4)", 14), V("8-3", 5), V("8/2", 4), V("7/2", 3.5),
                      V("((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0", 168), V("5*5+1.6", 26.6),
                      V("0/5", 0), V("2 3", 3), V("(2+3", 5), V("2+3)", 5), V("2)+5", 2),
                      V("1.2.3+1", 2.2), V("8-3-2", 3), V("2 POW 3 POW 2", 64), V("1e5", 0),
                      V("SIN30", 0), V("8//2", 8), V("  1 +\t2  ", 3)));

INSTANTIATE_TEST_SUITE_P(Remainder, EvaluateLineTest,
                         ::testing::Values(V("7%3", 1), V("(0-7)%3", -1), V("7%(0-3)", 1),
                                           V("7.5%2", 0), V("2.4%1.6", 0), V("(0-6)%3", 0.0),
                                           V("5000000000%7", std::fmod(5e9, 7)), F("7%0"),
                                           F("7%0.4"), V("7%0.5", 0),
                                           V("(0-2147483648)%(0-1)", 0.0)));

INSTANTIATE_TEST_SUITE_P(
    Functions, EvaluateLineTest,
    ::testing::Values(V("POW(2,10)", 1024), V("2 POW 10", 1024), V("POW(2,0.5)", std::sqrt(2.0)),
                      V("ATAN2(1,0)", kPi / 2), V("ATAN2(0,0-1)", kPi),
                      V("ATAN2(0-1,0-1)", -3 * kPi / 4), V("EXP(1)", std::exp(1.0)),
                      V("EXP2(1)", 2), V("EXP2(3)", 8), V("EXP10(1)", 10), V("EXP10(2)", 100),
                      V("LOG2(8)", 3), V("LOG(EXP(2))", 2), V("LOG10(1000)", 3), V("LOG(0)", -kInf),
                      V("SIN(1.5707963267949)", 1), V("COS(0)", 1), V("ATAN(1)", kPi / 4),
                      V("TAN(0)", 0), V("ASIN(1)", kPi / 2), V("ACOS(1)", 0), V("SINH(0)", 0),
                      V("COSH(0)", 1), V("TANH(0)", 0), V("ROUND(2.5)", 3), V("ROUND(0-2.5)", -3),
                      V("ROUND(2.4999)", 2), V("ROUND(0-0.3)", 0.0),
                      V("ROUND(3000000000.4)", 3000000000.0), V("CEIL(0-1.5)", -1),
                      V("FLOOR(0-1.5)", -2), V("ABS(0-3)", 3), V("SQRT(0-4)", kNan),
                      V("SQRT 16 + 9", 13), V("SQRT(SQRT(16))", 2), V("sqrt(16)", 16)));

INSTANTIATE_TEST_SUITE_P(Variables, EvaluateLineTest,
                         ::testing::Values(V("X=2, X*3", 6), V("X+1=5", 5), V("3=4", 4),
                                           V("X=5, X*2", 10), V("X*2", 0), V("X=3, X", 3),
                                           V("X", 0), V("X=Y=3", 3), V("(X)=5, X", 5),
                                           V("A=1, B=2, C=A+B, C*10", 30)));

INSTANTIATE_TEST_SUITE_P(Signs, EvaluateLineTest,
                         ::testing::Values(V("-5", -5), V("2*-3", -6), V("8/-2", -4),
                                           V("-(2+3)", -5), V("X=-5, X", -5), V("--5", 5),
                                           V("5--3", 8), V("POW(2,-1)", 0.5), V("-2 POW 2", -4),
                                           V("2 POW -2", 0.25), V("-2*3", -6), V("-SQRT(4)", -2),
                                           V("SQRT SQRT 16", 2), V("2, -3", -3), V("-0", 0.0),
                                           V("+5", 5), V("1+-+-1", 2)));

INSTANTIATE_TEST_SUITE_P(Failures, EvaluateLineTest,
                         ::testing::Values(F("8/0"), F("8/(2-2)"), F("8/(0-0)"), F("()"), F(","),
                                           F("2+"), F("*3"), F("SQRT"), F("-"), F("2 + * 3"),
                                           F(")"), F("(")));

INSTANTIATE_TEST_SUITE_P(NothingToEvaluate, EvaluateLineTest,
                         ::testing::Values(N(""), N("   "), N("\t \t"), N("// note"), N("  // 1+1"),
                                           N("\n1+1")));

TEST(EvaluateLine, LimitsFailTheWholeLine) {
    struct Case {
        std::string line;
        LineStatus status;
    };
    const std::string filler = std::string(1020, ' ');
    const Case cases[] = {
        {filler + "1+23", LineStatus::Value},     // exactly 1024: last token kept
        {filler + "1+234", LineStatus::Failure},  // 1025 characters
        {filler + "1+23//" + std::string(5000, 'x'), LineStatus::Value},
        {filler + "1+2//", LineStatus::Value},
        {std::string(63, '9'), LineStatus::Value},
        {std::string(64, '9'), LineStatus::Failure},
        {"X" + std::string(10000, 'A'), LineStatus::Failure},
        {std::string(100000, '('), LineStatus::Failure},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EvaluateLineOutcome(c.line).status, c.status) << c.line.size();
    }
    EXPECT_EQ(EvaluateLineOutcome(filler + "1+23").value, 24.0);

    std::string tokens512;
    for (int i = 0; i < 255; ++i) tokens512 += "1+";
    tokens512 += "1,";  // 512 tokens
    EXPECT_EQ(EvaluateLineOutcome(tokens512).value, 256.0);
    EXPECT_EQ(EvaluateLineOutcome(tokens512 + "1").status, LineStatus::Failure);
    // 512 open parentheses: deep but within every limit.
    EXPECT_EQ(EvaluateLineOutcome(std::string(511, '(') + "7").value, 7.0);
}

TEST(EvaluateLine, TextEndsAtNulAndIsNotChanged) {
    const std::string line("1+2\0+100", 8);
    EXPECT_EQ(EvaluateLine(line), 3.0);
    const std::string longLine = "1+" + std::string(200, ' ') + "2";
    const std::string before = longLine;
    EXPECT_EQ(EvaluateLine(longLine.c_str()), 3.0);
    EXPECT_EQ(longLine, before);
}

TEST(EvaluateLine, ManyVariablesInOneLine) {
    std::string line;
    for (int i = 0; i < 100; ++i) line += "V" + std::to_string(i) + "=" + std::to_string(i) + ",";
    line += "V99+V0+V50";
    EXPECT_EQ(EvaluateLine(line), 149.0);
}

}  // namespace

}  // namespace quorvane::engine
