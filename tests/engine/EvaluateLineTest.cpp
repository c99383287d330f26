#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "ExprEngine.h"

namespace quorvane::engine {

// The outcome's enumerations by name in the messages of failed checks.
void PrintTo(LineStatus status, std::ostream* os) {
    constexpr const char* kNames[] = {"Value", "Failure", "Nothing"};
    *os << kNames[static_cast<int>(status)];
}
void PrintTo(FailureReason reason, std::ostream* os) {
    *os << (reason == FailureReason::None ? "None" : ReasonText(reason));
}

namespace {

constexpr double kPi = std::numbers::pi;

struct LineCase {
    std::string line;
    LineStatus status;
    double value;
    FailureReason reason = FailureReason::None;
    std::int32_t column = 0;
    bool exact = false;  // the value to the last bit, not within four units in the last place
};

LineCase V(std::string line, double value) { return {std::move(line), LineStatus::Value, value}; }
// Beyond 2^52 four units in the last place span whole numbers.
LineCase Exactly(std::string line, double value) {
    LineCase c = V(std::move(line), value);
    c.exact = true;
    return c;
}
LineCase F(std::string line, FailureReason reason, std::int32_t column) {
    return {std::move(line), LineStatus::Failure, 0.0, reason, column};
}
LineCase N(std::string line) { return {std::move(line), LineStatus::Nothing, 0.0}; }

void PrintTo(const LineCase& c, std::ostream* os) { *os << '\'' << c.line << '\''; }

constexpr FailureReason kMissing = FailureReason::MissingOperand;

class EvaluateLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(EvaluateLineTest, Outcome) {
    const LineCase& c = GetParam();
    const LineOutcome outcome = EvaluateLineOutcome(c.line);
    EXPECT_EQ(outcome.status, c.status) << c.line;
    EXPECT_EQ(outcome.reason, c.reason) << c.line;
    EXPECT_EQ(outcome.column, c.column) << c.line;
    if (std::isnan(c.value)) {
        EXPECT_TRUE(std::isnan(outcome.value)) << c.line;
    } else {
        EXPECT_DOUBLE_EQ(outcome.value, c.value) << c.line;
        if (c.exact) {
            EXPECT_EQ(outcome.value, c.value) << c.line;
        }
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
                      V("SIN30", 0), V("8//2", 8), V("  1 +\t2  ", 3), V("1+8/2", 5), V("1+7%3", 2),
                      V("18446744073709551617", 18446744073709551616.0),
                      Exactly(".1234567", 0.1234567), Exactly("1234567.", 1234567),
                      Exactly("12345.678", 12345.678), Exactly("1234*100000+56789", 123456789),
                      Exactly("9999", 9999), V("A=9, SQRT(A)", 3)));

INSTANTIATE_TEST_SUITE_P(Remainder, EvaluateLineTest,
                         ::testing::Values(V("7%3", 1), V("(0-7)%3", -1), V("7%(0-3)", 1),
                                           V("7.5%2", 0), V("2.4%1.6", 0), V("(0-6)%3", 0.0),
                                           V("5000000000%7", std::fmod(5e9, 7)), V("5%3", 2),
                                           V("(0-5)%3", -2), V("7%0.5", 0),
                                           V("(0-2147483648)%(0-1)", 0.0),
                                           Exactly("4503599627370497 % 2", 1)));

INSTANTIATE_TEST_SUITE_P(
    Functions, EvaluateLineTest,
    ::testing::Values(
        V("POW(2,10)", 1024), V("2 POW 10", 1024), V("POW(2,0.5)", std::sqrt(2.0)),
        V("ATAN2(1,0)", kPi / 2), V("ATAN2(0,0-1)", kPi), V("ATAN2(0-1,0-1)", -3 * kPi / 4),
        V("EXP(1)", std::exp(1.0)), V("EXP2(1)", 2), V("EXP2(3)", 8), V("EXP10(1)", 10),
        V("EXP10(2)", 100), V("LOG2(8)", 3), V("LOG(EXP(2))", 2), V("LOG10(1000)", 3),
        V("LOG(0)", -kInf), V("SIN(1.5707963267949)", 1), V("COS(0)", 1), V("ATAN(1)", kPi / 4),
        V("TAN(0)", 0), V("ASIN(1)", kPi / 2), V("ACOS(1)", 0), V("SINH(0)", 0), V("COSH(0)", 1),
        V("TANH(0)", 0), V("ROUND(2.5)", 3), V("ROUND(0-2.5)", -3), V("ROUND(2.4999)", 2),
        V("ROUND(0-0.3)", 0.0), V("ROUND(3000000000.4)", 3000000000.0),
        Exactly("ROUND(4503599627370497)", 4503599627370497.0), V("CEIL(0-1.5)", -1),
        V("FLOOR(0-1.5)", -2), V("ABS(0-3)", 3), V("SQRT(0-4)", kNan), V("SQRT 16 + 9", 13),
        V("SQRT(SQRT(16))", 2), V("sqrt(16)", 16),
        // Each function away from 0 and 1, where its look-alikes differ.
        V("SQRT(2)", 1.4142135623730951), V("EXP(0.5)", 1.6487212707001282),
        V("LOG(2)", 0.6931471805599453), V("LOG10(2)", 0.3010299956639812),
        V("LOG2(3)", 1.584962500721156), V("SIN(0.5)", 0.479425538604203),
        V("COS(2)", -0.4161468365471424), V("TAN(0.5)", 0.5463024898437905),
        V("ATAN(0.5)", 0.4636476090008061), V("ASIN(0.5)", kPi / 6), V("ACOS(0.5)", kPi / 3),
        V("SINH(0.5)", 0.5210953054937474), V("COSH(0.5)", 1.1276259652063807),
        V("TANH(0.5)", 0.46211715726000974), V("ABS(2.5)", 2.5), V("CEIL(2.5)", 3),
        V("FLOOR(2.5)", 2), V("ROUND(1.5)", 2)));

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
                                           V("+5", 5), V("1+-+-1", 2), V("(-2)*3", -6)));

// The reason and the column of the token at fault: the operator, function or
// sign that finds too few operands or a zero; none for an empty statement.
INSTANTIATE_TEST_SUITE_P(Failures, EvaluateLineTest,
                         ::testing::Values(F("8/0", FailureReason::DivisionByZero, 2),
                                           F("1 + 8/(2-2)", FailureReason::DivisionByZero, 6),
                                           F("8/(0-0)", FailureReason::DivisionByZero, 2),
                                           F("7%0", FailureReason::RemainderByZero, 2),
                                           F("1+7 % 0.4", FailureReason::RemainderByZero, 5),
                                           F("()", kMissing, 0), F(",", kMissing, 0),
                                           F(")", kMissing, 0), F("(", kMissing, 0),
                                           F("2+", kMissing, 2), F("*3", kMissing, 1),
                                           F("/2", kMissing, 1), F("  SQRT", kMissing, 3),
                                           F("-", kMissing, 1), F("2 + * 3", kMissing, 3),
                                           F(" POW(2)", kMissing, 2)));

INSTANTIATE_TEST_SUITE_P(NothingToEvaluate, EvaluateLineTest,
                         ::testing::Values(N(""), N("   "), N("\t \t"), N("// note"), N("  // 1+1"),
                                           N("\n1+1")));

// A line past a limit fails as a whole; the column of a line too long is the
// first one past the limit, that of a name or number too long or of the token
// past the last one with room, where that token starts.
TEST(EvaluateLine, LimitsFailTheWholeLine) {
    struct Case {
        std::string line;
        LineStatus status;
        FailureReason reason;
        std::int32_t column;
    };
    const std::string filler = std::string(1020, ' ');
    std::string tokens512;
    for (int i = 0; i < 255; ++i) tokens512 += "1+";
    tokens512 += "1,";
    constexpr LineStatus kValue = LineStatus::Value;
    constexpr LineStatus kFailure = LineStatus::Failure;
    constexpr FailureReason kNone = FailureReason::None;
    constexpr FailureReason kLong = FailureReason::LineTooLong;
    const Case cases[] = {
        {filler + "1+23", kValue, kNone, 0},        // exactly 1024: last token kept
        {filler + "1+234", kFailure, kLong, 1025},  // 1025 characters
        {"1+2" + std::string(1022, ' '), kFailure, kLong, 1025},
        {filler + "1+23//" + std::string(5000, 'x'), kValue, kNone, 0},
        {filler + "1+2//", kValue, kNone, 0},
        {std::string(63, '9'), kValue, kNone, 0},
        {std::string(64, '9'), kFailure, FailureReason::NameTooLong, 1},
        {"1 + X" + std::string(63, 'A') + "+2", kFailure, FailureReason::NameTooLong, 5},
        {"X" + std::string(10000, 'A'), kFailure, kLong, 1025},
        {std::string(100000, '('), kFailure, kLong, 1025},
        {tokens512, kValue, kNone, 0},  // 512 tokens
        {tokens512 + " 1", kFailure, FailureReason::TooManyTokens, 514},
        {std::string(511, '(') + "7", kValue, kNone, 0},  // deep but within every limit
    };
    for (const Case& c : cases) {
        const LineOutcome outcome = EvaluateLineOutcome(c.line);
        EXPECT_EQ(outcome.status, c.status) << c.line.size();
        EXPECT_EQ(outcome.reason, c.reason) << c.line.size();
        EXPECT_EQ(outcome.column, c.column) << c.line.size();
    }
    EXPECT_EQ(EvaluateLineOutcome(filler + "1+23").value, 24.0);
    EXPECT_EQ(EvaluateLineOutcome(tokens512).value, 256.0);
}

// Each warning as "COLUMN: TEXT", in the order the line has them; the
// outcome is the one the line has without its warnings.
std::vector<std::string> WarningsOf(const std::string& line) {
    std::vector<LineWarning> warnings(3);
    const LineOutcome noted = EvaluateLineOutcome(line, warnings);
    const LineOutcome plain = EvaluateLineOutcome(line);
    EXPECT_EQ(noted.status, plain.status) << line;
    EXPECT_EQ(noted.value, plain.value) << line;
    EXPECT_EQ(noted.reason, plain.reason) << line;
    std::vector<std::string> texts;
    for (const LineWarning& w : warnings) {
        texts.push_back(std::to_string(w.column) + ": " + WarningText(w));
    }
    return texts;
}

TEST(EvaluateLine, WarningsOfDoubtfulLines) {
    const std::string filler(1020, ' ');
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"SQR(4)", {"1: 'SQR' has no value; taken as 0", "4: missing operator before '('"}},
        {"1.1E+1", {"1: '1.1E' is not a number; taken as 0"}},
        {"2 3", {"3: missing operator before '3'"}},
        {"2)+5", {"2: ')' without '('; the rest of the line is ignored"}},
        {"2 3)+1",
         {"3: missing operator before '3'", "4: ')' without '('; the rest of the line is ignored"}},
        {"3=4", {"2: nothing is assigned: the left of '=' is not a name"}},
        {filler + "X+1", {"1021: 'X' has no value; taken as 0"}},
        {"X=5, X*2", {}},
        {"X 8/0", {}},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(WarningsOf(line), expected) << line;
}

TEST(ReasonText, TheWordsOfEachReason) {
    const std::pair<FailureReason, std::string_view> cases[] = {
        {FailureReason::None, ""},
        {FailureReason::MissingOperand, "missing operand"},
        {FailureReason::DivisionByZero, "division by zero"},
        {FailureReason::RemainderByZero, "remainder by zero"},
        {FailureReason::LineTooLong, "line longer than 1024 characters"},
        {FailureReason::NameTooLong, "name or number longer than 63 characters"},
        {FailureReason::TooManyTokens, "more than 512 tokens"}};
    for (const auto& [reason, text] : cases) EXPECT_EQ(ReasonText(reason), text);
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
