#include <gtest/gtest.h>

#include <tuple>

#include "EngineProbe.h"
#include "OperatorTable.h"

namespace quorvane::engine {

namespace {

struct SplitCase {
    std::string line;
    std::string tokens;  // raw token texts joined by "|"
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << '\'' << c.line << '\''; }

class SplitLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLineTest, CutsIntoRawTokens) {
    EngineProbe probe;
    ASSERT_EQ(probe.Split(GetParam().line), 1);
    EXPECT_EQ(probe.RawText(), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitLineTest,
    ::testing::Values(SplitCase{"SIN(30)", "SIN|(|30|)"}, SplitCase{"POW(2,3)", "POW|(|2|,|3|)"},
                      SplitCase{"A = B*2", "A|=|B|*|2"}, SplitCase{"-5", "-|5"},
                      SplitCase{"SIN30 1E5 2X", "SIN30|1E5|2X"}, SplitCase{"8//2", "8"},
                      SplitCase{"8/ /2", "8|/|/|2"}, SplitCase{"1 +\t2", "1|+|2"},
                      SplitCase{"   ", ""}, SplitCase{"A_B^C!\xE4\r", "A_B^C!\xE4\r"},
                      SplitCase{"1+2\nIGNORED", "1|+|2"}, SplitCase{"%=,", "%|=|,"}));

TEST(SplitLine, LimitsFailInsteadOfTruncating) {
    EngineProbe probe;
    EXPECT_EQ(probe.Split(std::string(63, 'A')), 1);
    EXPECT_EQ(probe.RawText(), std::string(63, 'A'));
    EXPECT_EQ(probe.Split(std::string(64, 'A')), 0);
    EXPECT_EQ(probe.Split("1+" + std::string(64, '9')), 0);

    std::string tokens512;
    for (int i = 0; i < 256; ++i) tokens512 += "1+";
    EXPECT_EQ(probe.Split(tokens512), 1);
    EXPECT_EQ(probe.raw->count, 512);
    EXPECT_EQ(probe.Split(tokens512 + "1"), 0);
}

TEST(StripComment, CutsAtCommentMarkOrNewline) {
    const std::pair<std::string, std::string> cases[] = {
        {"8//2", "8"},
        {"// note", ""},
        {"8/2", "8/2"},
        {"1\n2", "1"},
        {"1/", "1/"},
        {"a/ /b", "a/ /b"},
        // Longer texts are looked at eight bytes at a time.
        {"1234567/", "1234567/"},
        {"1234567//8", "1234567"},
        {"1/.5+2/.25/(4/2)//3", "1/.5+2/.25/(4/2)"},
        {"12345678/9\n//", "12345678/9"},
        {std::string("12345678+9\0// 1", 16), "12345678+9"}};
    for (const auto& [line, kept] : cases) {
        std::string copy = line + std::string(kTextPadding, '\0');
        EXPECT_EQ(CExprEngine::StripComment(copy.data()), kept.size()) << line;
        EXPECT_STREQ(copy.c_str(), kept.c_str()) << line;
    }
}

TEST(TokenLengthAt, CutsAsTheLexerCuts) {
    const std::tuple<std::string, std::int32_t, std::size_t> cases[] = {
        {"12+3", 1, 2},  {"12+3", 3, 1}, {"SQRT(4.5)", 1, 4}, {"SQRT(4.5)", 6, 3},
        {"AB\nC", 1, 2}, {"A B", 2, 0},  {"A", 0, 0},         {"A", 2, 0}};
    for (const auto& [line, column, length] : cases) {
        EXPECT_EQ(TokenLengthAt(line, column), length) << line << " at " << column;
    }
}

TEST(BuildTokens, NumbersAreDigitsAndDotsOnly) {
    EngineProbe probe;
    for (const char* yes : {"1", "1.5", "1.2.3", "5.", ".5", ".", "007"}) {
        ASSERT_EQ(probe.Tokenize(yes), 1) << yes;
        EXPECT_EQ(probe.tokens->items[0].kind, KIND_NUMBER) << yes;
    }
    for (const char* no : {"1E5", "X1", "1X", "1.5\xB2"}) {
        ASSERT_EQ(probe.Tokenize(no), 1) << no;
        EXPECT_EQ(probe.tokens->items[0].kind, KIND_VARIABLE) << no;
    }
}

TEST(BuildTokens, NumberValueIsTheLongestDecimalPrefix) {
    EngineProbe probe;
    const std::pair<const char*, double> cases[] = {
        {"1.2.3", 1.2},
        {".", 0.0},
        {"5.", 5.0},
        {".5", 0.5},
        {"0.1", 0.1},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"0.30000000000000000000000000001", 0.30000000000000000000000000001},
        {".30000000000000000000000000001", 0.30000000000000000000000000001},
        {"2.0", 2.0},
        {"..5", 0.0},
        {"9007199254740993", 9007199254740993.0},
        {"900719925474099.5", 900719925474099.5}};
    for (const auto& [text, value] : cases) EXPECT_EQ(probe.LiteralValue(text), value) << text;
}

TEST(BuildTokens, ClassifiesAgainstTheTable) {
    EngineProbe probe;
    ASSERT_EQ(probe.Tokenize("SIN(30)+POW(1.2.3,X)=x ATAN2"), 1);
    struct Expected {
        ItemKind kind;
        std::int32_t prec;
        const char* name;
    };
    const Expected expected[] = {
        {KIND_FUNCTION, 10, "SIN"}, {KIND_PAREN, 0, "("},        {KIND_NUMBER, 0, "30"},
        {KIND_PAREN, 0, ")"},       {KIND_OPERATOR, 4, "+"},     {KIND_OPERATOR, 10, "POW"},
        {KIND_PAREN, 0, "("},       {KIND_NUMBER, 0, "1.2.3"},   {KIND_OPERATOR, 2, ","},
        {KIND_VARIABLE, 0, "X"},    {KIND_PAREN, 0, ")"},        {KIND_OPERATOR, 3, "="},
        {KIND_VARIABLE, 0, "x"},    {KIND_OPERATOR, 10, "ATAN2"}};
    ASSERT_EQ(probe.tokens->count, 14);
    for (int i = 0; i < 14; ++i) {
        const ExprItem& token = probe.tokens->items[i];
        EXPECT_EQ(token.kind, expected[i].kind) << i;
        EXPECT_EQ(token.prec, expected[i].prec) << i;
        EXPECT_EQ(probe.engine.TokenText(token), expected[i].name) << i;
        EXPECT_EQ(token.ref != nullptr, token.kind == KIND_VARIABLE) << i;
    }
    EXPECT_EQ(probe.tokens->items[2].value, 30.0);
    EXPECT_EQ(probe.tokens->items[7].value, 1.2);
    EXPECT_EQ(VariableList::NameOf(*probe.tokens->items[9].ref), "X");
    // Lower case does not match the table: "x" is a variable of its own.
    EXPECT_NE(probe.tokens->items[12].ref, probe.tokens->items[9].ref);
    EXPECT_EQ(probe.variables.Count(), 2u);
}

TEST(BuildTokens, EveryNameOfTheTableKeepsItsRow) {
    EngineProbe probe;
    for (const OperationRow& row : kOperationTable) {
        ASSERT_EQ(probe.Tokenize(row.name), 1) << row.name;
        ASSERT_EQ(probe.tokens->count, 1) << row.name;
        EXPECT_EQ(&RowOf(probe.tokens->items[0]), &row) << row.name;
    }
    ASSERT_EQ(probe.Tokenize("SINH2"), 1);
    EXPECT_EQ(probe.tokens->items[0].row, kNoRow);
}

TEST(BuildTokens, EachTokenKnowsItsColumn) {
    EngineProbe probe;
    ASSERT_EQ(probe.Tokenize(" 12 +\tSQRT(X)//9"), 1);
    const std::int32_t columns[] = {2, 5, 7, 11, 12, 13};
    ASSERT_EQ(probe.tokens->count, 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(probe.tokens->items[i].column, columns[i]) << i;
}

TEST(BuildTokens, SameNameTwiceSharesItsRecord) {
    EngineProbe probe;
    ASSERT_EQ(probe.Tokenize("A+A"), 1);
    EXPECT_EQ(probe.tokens->items[0].ref, probe.tokens->items[2].ref);
    ASSERT_EQ(probe.Tokenize("sin"), 1);
    EXPECT_EQ(probe.tokens->items[0].kind, KIND_VARIABLE);
}

}  // namespace

}  // namespace quorvane::engine
