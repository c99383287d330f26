#include <gtest/gtest.h>

#include "EngineProbe.h"

namespace quorvane::engine {

namespace {

struct PostfixCase {
    std::string line;
    std::string postfix;
    std::int32_t status;
};

void PrintTo(const PostfixCase& c, std::ostream* os) { *os << '\'' << c.line << '\''; }

class ToPostfixTest : public ::testing::TestWithParam<PostfixCase> {};

TEST_P(ToPostfixTest, Order) {
    EngineProbe probe;
    EXPECT_EQ(probe.Convert(GetParam().line), GetParam().status);
    EXPECT_EQ(probe.PostfixText(), GetParam().postfix);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ToPostfixTest,
    ::testing::Values(
        PostfixCase{"1+2*3", "1 2 3 * +", 1}, PostfixCase{"(1+2)*3", "1 2 + 3 *", 1},
        PostfixCase{"8-3-2", "8 3 - 2 -", 1}, PostfixCase{"8/2/2", "8 2 / 2 /", 1},
        PostfixCase{"2 POW 3 POW 2", "2 3 POW 2 POW", 1}, PostfixCase{"X=Y=3", "X Y = 3 =", 1},
        PostfixCase{"X=5, X*2", "X 5 = X 2 *", 1}, PostfixCase{"ATAN2(1,2)", "1 2 ATAN2", 1},
        PostfixCase{"POW(1+1,3)*2", "1 1 + 3 POW 2 *", 1},
        PostfixCase{"1+2, 3*4", "1 2 + 3 4 *", 1}, PostfixCase{"SQRT 16 + 9", "16 SQRT 9 +", 1},
        PostfixCase{"SQRT(SQRT(16))", "16 SQRT SQRT", 1}, PostfixCase{"((7))", "7", 1},
        PostfixCase{"()", "", 1}, PostfixCase{"(2+3", "2 3 + (", 1},
        PostfixCase{"2+3)", "2 3 +", 0}, PostfixCase{"2)+5", "2", 0}, PostfixCase{",5", "5", 1},
        PostfixCase{"5,", "5", 1}, PostfixCase{"2 + * 3", "2 3 * +", 1},
        // Signs: prefix operators of precedence 8.
        PostfixCase{"-5", "5 neg", 1}, PostfixCase{"2*-3", "2 3 neg *", 1},
        PostfixCase{"8/-2", "8 2 neg /", 1}, PostfixCase{"-(2+3)", "2 3 + neg", 1},
        PostfixCase{"--5", "5 neg neg", 1}, PostfixCase{"5--3", "5 3 neg -", 1},
        PostfixCase{"-2 POW 2", "2 2 POW neg", 1}, PostfixCase{"2 POW -2", "2 2 neg POW", 1},
        PostfixCase{"-2*3", "2 neg 3 *", 1}, PostfixCase{"-SQRT(4)", "4 SQRT neg", 1},
        PostfixCase{"SQRT SQRT 16", "16 SQRT SQRT", 1}, PostfixCase{"X=-5, X", "X 5 neg = X", 1},
        PostfixCase{"POW(2,-1)", "2 1 neg POW", 1}, PostfixCase{"+4-1", "4 pos 1 -", 1}));

TEST(ToPostfix, EmptyInputGivesEmptyOutput) {
    VariableList variables;
    CExprEngine engine(variables);
    auto infix = std::make_unique<TokenList>();
    auto postfix = std::make_unique<TokenList>();
    infix->count = 0;
    postfix->count = 7;
    EXPECT_EQ(engine.ToPostfix(*infix, *postfix), 1);
    EXPECT_EQ(postfix->count, 0);
}

TEST(ItemStack, PopOfEmptyIsNull) {
    ItemStack<4> stack;
    stack.count = 0;
    ExprItem a{};
    EXPECT_EQ(PopItem(stack), nullptr);
    PushItem(stack, &a);
    EXPECT_EQ(PopItem(stack), &a);
    EXPECT_EQ(PopItem(stack), nullptr);
    EXPECT_EQ(stack.count, 0);
}

TEST(ItemStackDeathTest, PushOntoAFullStackStopsADebugBuild) {
#ifdef NDEBUG
    GTEST_SKIP() << "the bounds are checked in debug builds only";
#else
    ItemStack<1> stack;
    stack.count = 0;
    ExprItem a{};
    PushItem(stack, &a);
    EXPECT_DEATH(PushItem(stack, &a), "count < Room");
#endif
}

}  // namespace

}  // namespace quorvane::engine
