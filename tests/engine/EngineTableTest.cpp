#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ExprEngine.h"
#include "OperatorTable.h"

namespace quorvane::engine {

TEST(OperatorTable, ThirtyOneRowsInOrder) {
    ASSERT_EQ(kTableRows, 31);
    EXPECT_STREQ(kOperationTable[0].name, "(");
    EXPECT_EQ(kOperationTable[0].kind, KIND_PAREN);
    EXPECT_EQ(kOperationTable[0].prec, 0);
    EXPECT_STREQ(kOperationTable[30].name, "ATAN2");
    EXPECT_EQ(kOperationTable[30].kind, KIND_OPERATOR);
    EXPECT_EQ(kOperationTable[30].prec, 10);
    const char* names[] = {"(",     ")",    ",",    "=",    "+",    "-",     "*",     "/",
                           "%",     "POW",  "SQRT", "EXP",  "EXP2", "EXP10", "LOG",   "LOG2",
                           "LOG10", "SIN",  "COS",  "ATAN", "ABS",  "CEIL",  "FLOOR", "ROUND",
                           "TANH",  "SINH", "COSH", "ACOS", "ASIN", "TAN",   "ATAN2"};
    for (int row = 0; row < 31; ++row) {
        EXPECT_STREQ(kOperationTable[row].name, names[row]) << row;
    }
    EXPECT_EQ(kOperationTable[9].kind, KIND_OPERATOR);  // POW is a two-operand operator
    EXPECT_EQ(kOperationTable[10].kind, KIND_FUNCTION);
    EXPECT_EQ(kOperationTable[3].prec, 3);
    EXPECT_EQ(kOperationTable[8].prec, 6);
}

TEST(OperatorTable, OperatorCharactersAreExactlyTheNine) {
    const std::string operators = "(),=+-*/%";
    for (int c = 0; c < 256; ++c) {
        const bool expected = c != 0 && operators.find(static_cast<char>(c)) != std::string::npos;
        EXPECT_EQ(kOperatorChars[static_cast<std::size_t>(c)], expected) << c;
    }
}

TEST(ExprItem, CopiedVariableTokenKeepsItsRecord) {
    VariableList variables;
    ExprItem* record = variables.Insert(0, "X");
    ExprItem token{};
    token.kind = KIND_VARIABLE;
    token.ref = record;
    const ExprItem copy = token;
    record->value = 7.0;
    EXPECT_EQ(OperandValue(token), 7.0);
    EXPECT_EQ(OperandValue(copy), 7.0);
    // Once a result is written into the token, it no longer reads the record.
    token.value = 2.0;
    token.prec = kOwnValue;
    EXPECT_EQ(OperandValue(token), 2.0);
    EXPECT_EQ(OperandValue(copy), 7.0);
}

}  // namespace quorvane::engine
