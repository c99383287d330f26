// quorvane-cli's run on several threads gives to the byte what the run on
// one thread gives: standard output, standard error, the -o file and the
// exit status, with parts small enough that every boundary is crossed.
#include <gtest/gtest.h>
#include <stdio.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "TempFolder.h"
#include "ToolRun.h"
#include "batch/BatchRunner.h"

namespace {

using namespace quorvane::cli;

struct ParallelCase {
    const char* name;
    std::string input;
    std::size_t partSize;
    // Where the -o file goes: "" none, "file" a file of the test, or a path.
    std::string output = "file";
    // Standard output: "" a file of the test, or a path.
    std::string printedTo = "";
    // The input path: "" a file of the test holding `input`, or a path.
    std::string inputPath = "";
    // Standard input instead, which gives `input` and then a read error.
    bool readErrorAfterInput = false;
    // What the run on one thread gives, where the row says.
    std::optional<ToolRun> alone = std::nullopt;
};

void PrintTo(const ParallelCase& c, std::ostream* os) { *os << c.name; }

// Bytes read from a stream that fails every read after them, as a disk does
// that breaks down in the middle of a file.
struct BytesThenReadError {
    std::string_view bytes;
    std::size_t at = 0;

    static ssize_t Read(void* cookie, char* buffer, std::size_t size) {
        auto& source = *static_cast<BytesThenReadError*>(cookie);
        if (source.at == source.bytes.size()) {
            errno = EIO;
            return -1;
        }
        const std::size_t n = std::min(size, source.bytes.size() - source.at);
        std::memcpy(buffer, source.bytes.data() + source.at, n);
        source.at += n;
        return static_cast<ssize_t>(n);
    }
};

ToolRun RunCase(const TempFolder& folder, const ParallelCase& c, std::size_t jobs) {
    CommandLine commandLine;
    commandLine.jobs = jobs;
    if (!c.output.empty())
        commandLine.output = c.output == "file" ? folder.Path("out.txt") : c.output;
    if (c.readErrorAfterInput) {
        BytesThenReadError source{c.input};
        const quorvane::batch::FileHandle input(fopencookie(&source, "rb",
                                                            {.read = BytesThenReadError::Read,
                                                             .write = nullptr,
                                                             .seek = nullptr,
                                                             .close = nullptr}));
        return RunTool(commandLine, c.partSize, c.printedTo, input.get());
    }
    commandLine.input = c.inputPath.empty() ? folder.Write("in.txt", c.input) : c.inputPath;
    return RunTool(commandLine, c.partSize, c.printedTo);
}

class ParallelRunTest : public testing::TestWithParam<ParallelCase> {};

TEST_P(ParallelRunTest, GivesWhatOneThreadGives) {
    const TempFolder folder;
    const ToolRun alone = RunCase(folder, GetParam(), 1);
    if (GetParam().alone) {
        EXPECT_EQ(alone, *GetParam().alone);
    }
    for (std::size_t jobs = 2; jobs <= 4; ++jobs) {
        EXPECT_EQ(RunCase(folder, GetParam(), jobs), alone) << jobs << " jobs";
    }
}

std::string Repeat(std::string_view text, std::size_t count) {
    std::string repeated;
    for (std::size_t i = 0; i < count; ++i) repeated += text;
    return repeated;
}

const std::string kManyLines = Repeat("1+1\n2*3\r\n\n8/0\r(2\r\n  \n// note\n", 300);
const std::size_t kLongLine = quorvane::batch::kLongLine;

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ParallelRunTest,
    testing::Values(
        ParallelCase{"EmptyInput", "", 16}, ParallelCase{"OneLine", "2*3", 16},
        ParallelCase{"OneLineInAPart", "1+1\n", 4},
        ParallelCase{"LinesCutAcrossParts", kManyLines, 16},
        ParallelCase{"CrLfCutBetweenParts", Repeat("1/0\r\n22/0\r\n", 200), 16},
        ParallelCase{"LoneCrAtAPartsEnd", Repeat("1234\r5\r\r\n", 200), 5},
        ParallelCase{"EveryByteAPart", kManyLines.substr(0, 300), 1},
        ParallelCase{"LineLongerThanAPart", "1\n" + Repeat("1+", 500) + "1\n2\n" + kManyLines, 64},
        ParallelCase{"LongLinePieces",
                     kManyLines + std::string(kLongLine + 5, ' ') + "3 // x\n" + kManyLines, 4096},
        ParallelCase{"LongLastLineInAPart",
                     Repeat(kManyLines, 60) + std::string(kLongLine + 5, '\t') + "7",
                     kLongLine + 1024},
        ParallelCase{"ValuesOfManyDigits", Repeat("exp(700)\npow(9,30)\n0-exp(46)\n1\n", 100), 32},
        ParallelCase{"ErrorInTheMiddle", Repeat("1\n", 500) + "5/0\n" + Repeat("2\n", 500), 32},
        ParallelCase{"TextEndsAtNul",
                     kManyLines +
                         std::string("4\0"
                                     "5\n",
                                     4) +
                         kManyLines,
                     64},
        ParallelCase{"TextEndsAtCtrlZ",
                     kManyLines +
                         "6\x1a"
                         "7\n" +
                         kManyLines,
                     64},
        ParallelCase{"NoOutputFile", kManyLines, 16, ""},
        ParallelCase{"OutputFileFull", kManyLines, 16, "/dev/full"},
        ParallelCase{"OutputFileFullAfterMegabytes", Repeat(kManyLines, 200), 4096, "/dev/full"},
        ParallelCase{"PrintedFullAfterMegabytes", Repeat(kManyLines, 200), 4096, "", "/dev/full"},
        ParallelCase{"ReadError", "", 16, "file", "", "/proc/self/mem"},
        ParallelCase{
            "ReadErrorAfterLines", Repeat("1+1\n", 1000), 64, "", "", "", true,
            ToolRun{Repeat("2.00\n", 1000), "quorvane-cli: (standard input): Input/output error\n",
                    "", kUsageOrFileError}}),
    [](const testing::TestParamInfo<ParallelCase>& row) { return row.param.name; });

}  // namespace
