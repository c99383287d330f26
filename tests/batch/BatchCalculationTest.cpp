#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/BatchCalculation.h"
#include "batch/OutputFile.h"

namespace {

using namespace quorvane::batch;

// Where each note points: "RESULT_LINE LINE:COLUMN+TOKEN_LENGTH".
std::vector<std::string> PlacesOf(const BatchResult& batch) {
    std::vector<std::string> places;
    for (const LineNote& n : batch.notes) {
        places.push_back(std::to_string(n.resultLine) + " " + std::to_string(n.lineNumber) + ":" +
                         std::to_string(n.column) + "+" + std::to_string(n.tokenLength));
    }
    return places;
}

struct BatchCase {
    std::string name;
    std::string expressions;
    std::string resultText;
    std::string outputText;
    std::vector<std::string> notePlaces = {};
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << c.name; }

class RunBatchTest : public ::testing::TestWithParam<BatchCase> {};

TEST_P(RunBatchTest, ResultAndOutputText) {
    const BatchResult batch = RunBatch(GetParam().expressions);
    EXPECT_EQ(batch.resultText, GetParam().resultText);
    EXPECT_EQ(batch.outputText, GetParam().outputText);
    EXPECT_EQ(PlacesOf(batch), GetParam().notePlaces);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RunBatchTest,
    ::testing::Values(
        BatchCase{"Sample",
                  "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\n\r\n1+1\r\n\r\n5*5+1.6",
                  "168.00   \r\n2.00   \r\n26.60   \r\n",
                  "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0 = 168.00\r\n\r\n"
                  "1+1 = 2.00\r\n\r\n5*5+1.6 = 26.60\r\n\r\n"},
        BatchCase{"EmptyLinesAndSqrt", "1+1\r\n\r\nsqrt(16)", "2.00   \r\n4.00   \r\n",
                  "1+1 = 2.00\r\n\r\nSQRT(16) = 4.00\r\n\r\n"},
        BatchCase{"OnlyLineBreaks", "\r\n\r\n\n\r", "", ""},
        BatchCase{
            "EveryKindOfLineBreak", "1\r\n2\n3\r4\n\r5",
            "1.00   \r\n2.00   \r\n3.00   \r\n4.00   \r\n5.00   \r\n",
            "1 = 1.00\r\n\r\n2 = 2.00\r\n\r\n3 = 3.00\r\n\r\n4 = 4.00\r\n\r\n5 = 5.00\r\n\r\n"},
        BatchCase{"FailureShowsError",
                  "8/0\r\n2\r\n(",
                  "Error   division by zero (column 2)\r\n2.00   \r\nError   missing operand\r\n",
                  "8/0 = Error\r\n\r\n2 = 2.00\r\n\r\n( = Error\r\n\r\n",
                  {"0 1:2+1", "2 3:0+0"}},
        BatchCase{"DoubtfulLinesNoted",
                  "sqr(4)\r\n\r\n  2)+5\r\nx=5, x*2",
                  "4.00   'SQR' has no value; taken as 0 (column 1), and 1 more\r\n"
                  "2.00   ')' without '('; the rest of the line is ignored (column 4)\r\n"
                  "10.00   \r\n",
                  "SQR(4) = 4.00\r\n\r\n  2)+5 = 2.00\r\n\r\nX=5, X*2 = 10.00\r\n\r\n",
                  {"0 1:1+3", "1 3:4+1"}},
        BatchCase{"NothingToEvaluateGivesNoLine", "  \r\n// just a note\r\n\t//x\r\n3",
                  "3.00   \r\n", "3 = 3.00\r\n\r\n"},
        BatchCase{"RecordKeepsBlanksAndComment", "  x=1, x+1 // two ", "2.00   \r\n",
                  "  X=1, X+1 // TWO  = 2.00\r\n\r\n"},
        BatchCase{"NegativeAndSpecialValues", "0-1.5\r\nlog(0)\r\nsqrt(0-4)\r\n-log(0)",
                  "-1.50   \r\n-inf   \r\nnan   \r\ninf   \r\n",
                  "0-1.5 = -1.50\r\n\r\nLOG(0) = -inf\r\n\r\nSQRT(0-4) = nan\r\n\r\n-LOG(0) = "
                  "inf\r\n\r\n"},
        BatchCase{"TextEndsAtNul", std::string("1+1\r\n2\0+5\r\n9", 11), "2.00   \r\n2.00   \r\n",
                  "1+1 = 2.00\r\n\r\n2 = 2.00\r\n\r\n"},
        BatchCase{"UpperCasesOnlyAtoZ", "pow(2,3) // \xC3\xA9t\xC3\xA9", "8.00   \r\n",
                  "POW(2,3) // \xC3\xA9T\xC3\xA9 = 8.00\r\n\r\n"}),
    [](const auto& param) { return param.param.name; });

TEST(RunBatch, CountsLinesAndFailures) {
    const BatchResult batch = RunBatch("1\n\n2/0\n  \n()\n4");
    EXPECT_EQ(batch.lineCount, 4u);
    EXPECT_EQ(batch.failureCount, 2u);
}

TEST(OutputFileBytes, TextModeLineEndsAndFinalLineEnd) {
    EXPECT_EQ(OutputFileBytes(""), "\r\n");
    std::string recordEnd;
    AppendOutputBytes(recordEnd, kRecordEnd);
    EXPECT_EQ(recordEnd, kRecordEndBytes);
    EXPECT_EQ(OutputFileBytes(RunBatch("1+1\r\n\r\nsqrt(16)").outputText),
              "1+1 = 2.00\r\r\n\r\r\nSQRT(16) = 4.00\r\r\n\r\r\n\r\n");
}

}  // namespace
