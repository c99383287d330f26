#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "batch/BatchRunner.h"
#include "batch/ResultFormat.h"
#include "engine/Evaluate.h"

namespace {

using quorvane::batch::AppendOutcome;
using quorvane::batch::BatchRunner;
using quorvane::batch::BatchSink;
using quorvane::batch::kLongLine;
using quorvane::batch::LineResult;
using quorvane::engine::EvaluateLineOutcome;
using quorvane::engine::LineOutcome;

// What the sink got of one line.
struct Line {
    std::string text;
    std::string value;
    std::size_t number;
    // The outcome, reason and column included, is what the engine gives the
    // whole text of the line (a long line's is found from its first bytes).
    bool asWholeLine = true;
    bool operator==(const Line&) const = default;
};

void PrintTo(const Line& line, std::ostream* os) {
    const std::string shown =
        line.text.size() > 40
            ? line.text.substr(0, 40) + "... (" + std::to_string(line.text.size()) + " bytes)"
            : line.text;
    *os << "line " << line.number << " [" << shown << "] = " << line.value
        << (line.asWholeLine ? "" : ", not the outcome of the whole line");
}

class RecordingSink : public BatchSink {
  public:
    void AddLineText(std::string_view piece) override { m_text.append(piece); }
    void EndLine(const LineResult& line) override {
        m_text.append(line.text);
        const LineOutcome whole = EvaluateLineOutcome(m_text);
        const bool asWholeLine = line.outcome.status == whole.status &&
                                 line.outcome.reason == whole.reason &&
                                 line.outcome.column == whole.column;
        std::string value;
        AppendOutcome(value, line.outcome);
        lines.push_back({m_text, value, line.lineNumber, asWholeLine});
        m_text.clear();
    }

    std::vector<Line> lines;

  private:
    std::string m_text;
};

// Runs the text fed in blocks of `blockSize` bytes.
std::vector<Line> RunText(std::string text, std::size_t blockSize, std::size_t firstLine = 1) {
    RecordingSink sink;
    BatchRunner runner(sink, nullptr, firstLine);
    for (std::size_t at = 0; at < text.size(); at += blockSize) {
        runner.Feed(std::span<char>(text.data() + at, std::min(blockSize, text.size() - at)));
    }
    runner.Finish();
    return sink.lines;
}

const std::string kLongBlanks(kLongLine + 3, ' ');

struct RunCase {
    std::string name;
    std::string text;
    std::vector<Line> lines;
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class BatchRunnerTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(BatchRunnerTest, SameLinesInBlocksOfAnySize) {
    const RunCase& c = GetParam();
    for (const std::size_t blockSize : {c.text.size() + 1, std::size_t{1}, std::size_t{2},
                                        std::size_t{3}, std::size_t{7}, std::size_t{4096}}) {
        EXPECT_EQ(RunText(c.text, blockSize), c.lines) << "blocks of " << blockSize;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BatchRunnerTest,
    ::testing::Values(
        RunCase{"EveryKindOfLineEnd",
                "1\n2\r3\r\n4\n\r5\r\r\n6",
                {{"1", "1.00", 1},
                 {"2", "2.00", 2},
                 {"3", "3.00", 3},
                 {"4", "4.00", 4},
                 {"5", "5.00", 6},
                 {"6", "6.00", 8}}},
        RunCase{"BlankAndCommentLinesAreCounted",
                "  \n// note\n\n7*6\r\n\t\n1/0",
                {{"7*6", "42.00", 4}, {"1/0", "Error", 6}}},
        RunCase{"TextUpperCased", "sqrt(16) // four", {{"SQRT(16) // FOUR", "4.00", 1}}},
        RunCase{
            "LongLineWhole",
            "2\n" + std::string(kLongLine, '1') + "+x\n3",
            {{"2", "2.00", 1}, {std::string(kLongLine, '1') + "+X", "Error", 2}, {"3", "3.00", 3}}},
        RunCase{"LongCommentAfterAValue",
                "1+1//" + std::string(kLongLine, 'x'),
                {{"1+1//" + std::string(kLongLine, 'X'), "2.00", 1}}},
        RunCase{"LongCommentAtTheLengthLimit",
                std::string(1023, ' ') + "1//" + std::string(kLongLine, 'x'),
                {{std::string(1023, ' ') + "1//" + std::string(kLongLine, 'X'), "1.00", 1}}},
        RunCase{
            "LongBlanksThenSomething", kLongBlanks + "\t7", {{kLongBlanks + "\t7", "Error", 1}}},
        RunCase{"LongBlanksThenOneSlash", kLongBlanks + "/", {{kLongBlanks + "/", "Error", 1}}},
        RunCase{"LongBlanksThenAComment", kLongBlanks + "//7\r\n8", {{"8", "8.00", 2}}},
        RunCase{"LongBlanksAlone", kLongBlanks + "\n" + kLongBlanks, {}}),
    [](const auto& param) { return param.param.name; });

TEST(BatchRunner, CountsLinesFromTheFirstLineNumberGiven) {
    EXPECT_EQ(RunText("1\n\n2", 100, 41),
              (std::vector<Line>{{"1", "1.00", 41}, {"2", "2.00", 43}}));
}

// Parts of a text cut after a line end and run on their own give what the
// whole text gives.
struct PartsCase {
    std::string name;
    std::string first;
    std::string second;
    std::size_t secondFirstLine;
};

void PrintTo(const PartsCase& c, std::ostream* os) { *os << c.name; }

class BatchRunnerPartsTest : public ::testing::TestWithParam<PartsCase> {};

TEST_P(BatchRunnerPartsTest, PartsGiveWhatTheWholeGives) {
    const PartsCase& c = GetParam();
    std::vector<Line> parts = RunText(c.first, 5);
    const std::vector<Line> second = RunText(c.second, 5, c.secondFirstLine);
    parts.insert(parts.end(), second.begin(), second.end());
    EXPECT_EQ(parts, RunText(c.first + c.second, 5));
}

INSTANTIATE_TEST_SUITE_P(Cuts, BatchRunnerPartsTest,
                         ::testing::Values(PartsCase{"AfterLf", "1\n2\n", "3\n4", 3},
                                           PartsCase{"AfterCrLf", "1\r\n\r\n", "2\r\n3", 3},
                                           PartsCase{"AfterLoneCr", "1\r\r", "\r\n2", 3},
                                           PartsCase{"AfterBlankLines", "\n\n\n", "1/0", 4}),
                         [](const auto& param) { return param.param.name; });

}  // namespace
