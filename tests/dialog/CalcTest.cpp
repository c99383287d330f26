// The "&Calc" evaluation: its checks and messages, the input file, the output
// file and the editor.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "DialogTest.h"
#include "DialogTestSeam.h"
#include "TempFolder.h"
#include "batch/Messages.h"

namespace {

using ::PrintTo;
using quorvane::batch::kMsgInputExpression;
using quorvane::batch::kMsgInputFileInvalid;
using quorvane::batch::kMsgInputFileName;
using quorvane::batch::MsgFileNotExist;
using quorvane::batch::MsgOpenFailed;
using quorvane::batch::MsgOutputIsInput;
using quorvane::batch::MsgWriteFailed;
using quorvane::window::DialogTestSeam;

using namespace std::string_literals;

class CalcTest : public DialogTest {
  protected:
    // Ticks the options, fills the boxes as a user would, and presses "&Calc".
    void Calc(const std::string& expression, const std::string& inputFile,
              const std::string& outputFile, bool inputFrom, bool outputTo) {
        OpenWith(inputFrom, outputTo);
        window.Type(IDC_EXPRESSION, expression);
        window.Type(IDC_RESULT, "typed result");
        // A name box takes typing only while its option is ticked.
        if (inputFrom) window.Type(IDC_INPUT_FILE, inputFile);
        if (outputTo) window.Type(IDC_OUTPUT_FILE, outputFile);
        window.Click(IDOK);
    }

    // "&Calc" shows its messages under its one wait cursor; `waitCursors` says otherwise.
    void ExpectOneMessage(const std::string& message, int waitCursors = 1) {
        ASSERT_EQ(window.Messages().size(), 1u);
        EXPECT_EQ(window.Messages()[0], message);
        EXPECT_EQ(window.WaitCursorsAtMessage(), waitCursors) << "wait cursors under the message";
        EXPECT_EQ(window.WaitCursors(), 0) << "the wait cursor stays after the message";
    }

    TempFolder folder;
};

// ---------------------------------------------------------------------------
// Failures before anything is evaluated: the message, the focus, and nothing
// changed, in the controls or in the members. The members show after the
// same failure through the keypad's "=", which writes them back into the
// controls whatever the evaluation did.

struct EarlyFailure {
    const char* name;
    std::string expression;
    bool inputFrom;
    // Makes the input file name in the folder; empty: none made.
    std::function<std::string(const TempFolder&)> inputFile;
    std::function<std::string(const std::string& inputFile)> message;
    int focus;
};

std::string MakeNothing(const TempFolder&) { return ""; }

const EarlyFailure kEarlyFailures[] = {
    {"EmptyExpression", "", false, MakeNothing,
     [](const std::string&) { return std::string(kMsgInputExpression); }, IDC_EXPRESSION},
    {"EmptyExpressionBeforeTheInputFile", "", true,
     [](const TempFolder& f) { return f.Write("in.txt", "1+1\n"); },
     [](const std::string&) { return std::string(kMsgInputExpression); }, IDC_EXPRESSION},
    {"EmptyInputFileName", "1+1", true, MakeNothing,
     [](const std::string&) { return std::string(kMsgInputFileName); }, IDC_INPUT_FILE},
    {"BlankInputFileNameIsAName", "1+1", true, [](const TempFolder&) { return std::string("   "); },
     [](const std::string& path) { return MsgFileNotExist(path); }, IDOK},
    {"MissingInputFile", "1+1", true, [](const TempFolder& f) { return f.Path("missing.txt"); },
     [](const std::string& path) { return MsgFileNotExist(path); }, IDOK},
    {"InputFileIsAFolder", "1+1", true, [](const TempFolder& f) { return f.Path().string(); },
     [](const std::string& path) { return MsgOpenFailed(path); }, IDOK},
    {"InputFileIsAPipe", "1+1", true,
     [](const TempFolder& f) {
         const std::string path = f.Path("pipe");
         if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("no fifo");
         return path;
     },
     [](const std::string& path) { return MsgOpenFailed(path); }, IDOK},
};

class EarlyFailureTest : public CalcTest, public ::testing::WithParamInterface<EarlyFailure> {};

TEST_P(EarlyFailureTest, ShowsItsMessageMovesTheFocusAndChangesNothing) {
    const EarlyFailure& failure = GetParam();
    const std::string inputFile = failure.inputFile(folder);
    Calc(failure.expression, inputFile, "", failure.inputFrom, false);

    ExpectOneMessage(failure.message(inputFile));
    EXPECT_EQ(window.Focus(), failure.focus);
    EXPECT_EQ(Text(IDC_EXPRESSION), failure.expression);
    EXPECT_EQ(Text(IDC_RESULT), "typed result");
    EXPECT_EQ(Text(IDC_INPUT_FILE), inputFile);
    EXPECT_TRUE(window.EditorStarts().empty());

    window.Click(IDC_KEY_EQUALS);
    EXPECT_EQ(window.Messages(), std::vector<std::string>(2, failure.message(inputFile)));
    EXPECT_EQ(Text(IDC_EXPRESSION), failure.expression);
    EXPECT_EQ(Text(IDC_RESULT), "typed result");
    EXPECT_EQ(Text(IDC_INPUT_FILE), inputFile);
    EXPECT_EQ(window.IsChecked(IDC_INPUT_FROM), failure.inputFrom);
}

INSTANTIATE_TEST_SUITE_P(Calc, EarlyFailureTest, ::testing::ValuesIn(kEarlyFailures), CaseName());

TEST_F(CalcTest, AMissingInputFileIsNotCreated) {
    const std::string path = folder.Path("missing.txt");
    Calc("1+1", path, "", true, false);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(CalcTest, AnUnreadableInputFileIsReportedAsNotExisting) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
    const std::string path = folder.Write("locked.txt", "1+1\n");
    chmod(path.c_str(), 0);
    Calc("2+2", path, "", true, false);
    ExpectOneMessage(MsgFileNotExist(path));
    EXPECT_EQ(Text(IDC_RESULT), "typed result");
}

TEST_F(CalcTest, TheReaderRefusesNoPathAndLeavesTheTextAlone) {
    Open();
    std::string text = "kept";
    EXPECT_FALSE(DialogTestSeam::ReadInputFile(dialog, "", text));
    EXPECT_EQ(text, "kept");
    ExpectOneMessage(std::string(kMsgInputFileInvalid), 0);
}

TEST_F(CalcTest, TheReaderAppendsTheLoadedText) {
    Open();
    std::string text = "kept";
    EXPECT_TRUE(DialogTestSeam::ReadInputFile(dialog, folder.Write("in.txt", "1\n2"), text));
    EXPECT_EQ(text, "kept1\r\n2");
    EXPECT_TRUE(window.Messages().empty());
}

// ---------------------------------------------------------------------------
// Evaluating the expression box.

TEST_F(CalcTest, ShowsOneResultPerLineAndLeavesTheCase) {
    Calc("sqrt(16)\r\n\r\n-3/2\r\n1/0x\r\n   \r\n2.5*2", "", "", false, false);
    EXPECT_EQ(Text(IDC_EXPRESSION), "sqrt(16)\r\n\r\n-3/2\r\n1/0x\r\n   \r\n2.5*2");
    EXPECT_EQ(Text(IDC_RESULT),
              "4.00   \r\n-1.50   \r\nError   division by zero (column 2)\r\n5.00   \r\n");
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_EQ(window.Focus(), IDOK);
}

TEST_F(CalcTest, OnlyLineBreaksGiveAnEmptyResult) {
    Calc("\r\n\r\n", "", "", false, false);
    EXPECT_EQ(Text(IDC_RESULT), "");
    EXPECT_TRUE(window.Messages().empty());
}

// ---------------------------------------------------------------------------
// Reading the input file: the text it loads into the expression box and the
// results of that text.

struct InputCase {
    const char* name;
    std::string bytes;
    std::string loaded;
    std::string results;
};

const InputCase kInputCases[] = {
    {"CrLf", "1+1\r\n2*3\r\n", "1+1\r\n2*3\r\n", "2.00   \r\n6.00   \r\n"},
    {"LoneLf", "1+1\n2*3", "1+1\r\n2*3", "2.00   \r\n6.00   \r\n"},
    {"LoneCr", "1+1\r2*3\r", "1+1\r2*3\r", "2.00   \r\n6.00   \r\n"},
    {"BlankLines", "\n1+1\n\n\r\n\n2*3\n\n", "\r\n1+1\r\n\r\n\r\n\r\n2*3\r\n\r\n",
     "2.00   \r\n6.00   \r\n"},
    {"CtrlZEndsTheText",
     "1+1\n2*3\x1a"
     "4*4\n",
     "1+1\r\n2*3", "2.00   \r\n6.00   \r\n"},
    {"NulEndsTheText",
     "1+1\n2*3\0"
     "4*4\n"s,
     "1+1\r\n2*3", "2.00   \r\n6.00   \r\n"},
    {"LowerCaseStaysInTheBox", "sqrt(16)\n", "sqrt(16)\r\n", "4.00   \r\n"},
    {"EmptyFile", "", "", ""},
};

class InputFileTest : public CalcTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(InputFileTest, LoadsTheTextAndShowsItsResults) {
    const InputCase& input = GetParam();
    const std::string path = folder.Write("in.txt", input.bytes);
    Calc("typed over", path, "", true, false);
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_EQ(Text(IDC_EXPRESSION), input.loaded);
    EXPECT_EQ(Text(IDC_RESULT), input.results);
}

INSTANTIATE_TEST_SUITE_P(Calc, InputFileTest, ::testing::ValuesIn(kInputCases), CaseName());

TEST_F(CalcTest, EveryEvaluationReadsTheInputFileAgain) {
    const std::string path = folder.Write("in.txt", "1+1\n");
    Calc("x", path, "", true, false);
    folder.Write("in.txt", "2+2\n");
    window.Type(IDC_EXPRESSION, "typed again");
    window.Click(IDOK);
    EXPECT_EQ(Text(IDC_EXPRESSION), "2+2\r\n");
    EXPECT_EQ(Text(IDC_RESULT), "4.00   \r\n");
}

TEST_F(CalcTest, AFailedReadKeepsThePreviousResults) {
    const std::string path = folder.Write("in.txt", "1+1\n");
    Calc("x", path, "", true, false);
    ASSERT_EQ(Text(IDC_RESULT), "2.00   \r\n");
    std::filesystem::remove(path);
    window.Click(IDOK);
    ExpectOneMessage(MsgFileNotExist(path));
    EXPECT_EQ(Text(IDC_EXPRESSION), "1+1\r\n");
    EXPECT_EQ(Text(IDC_RESULT), "2.00   \r\n");
}

TEST_F(CalcTest, ALongInputFileIsReadWhole) {
    std::string bytes;
    std::string results;
    for (int i = 0; i < 20000; ++i) {
        bytes += std::to_string(i % 100) + "+1\n";
        results += std::to_string(i % 100 + 1) + ".00   \r\n";
    }
    Calc("x", folder.Write("long.txt", bytes), "", true, false);
    EXPECT_EQ(Text(IDC_RESULT), results);
}

// ---------------------------------------------------------------------------
// Writing the output file and starting the editor.

TEST_F(CalcTest, WritesEachLineWithItsValueAndOpensTheEditor) {
    const std::string path = folder.Path("out.txt");
    Calc("1+1\r\n\r\nsqrt(16)", "", path, false, true);
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_EQ(Text(IDC_RESULT), "2.00   \r\n4.00   \r\n");
    EXPECT_EQ(TempFolder::Read(path), "1+1 = 2.00\r\r\n\r\r\nSQRT(16) = 4.00\r\r\n\r\r\n\r\n");
    EXPECT_EQ(window.EditorStarts(), std::vector<std::string>{path});
}

TEST_F(CalcTest, RecordsNegativeValuesFailedLinesAndBlanksAsTyped) {
    const std::string path = folder.Path("out.txt");
    Calc(" -3/2 // half\r\npow(2,\r\n", "", path, false, true);
    EXPECT_EQ(Text(IDC_RESULT), "-1.50   \r\nError   missing operand (column 1)\r\n");
    EXPECT_EQ(TempFolder::Read(path),
              " -3/2 // HALF = -1.50\r\r\n\r\r\nPOW(2, = Error\r\r\n\r\r\n\r\n");
}

TEST_F(CalcTest, NoEvaluatedLineWritesOnlyTheFileEnd) {
    const std::string path = folder.Write("out.txt", "old contents that must go");
    Calc("\r\n", "", path, false, true);
    EXPECT_EQ(TempFolder::Read(path), "\r\n");
    EXPECT_EQ(window.EditorStarts().size(), 1u);
}

TEST_F(CalcTest, TheFileReadIsWrittenUpperCasedToTheOutput) {
    const std::string in = folder.Write("in.txt", "abs(-2)\nceil(1.2)");
    const std::string out = folder.Path("out.txt");
    Calc("x", in, out, true, true);
    EXPECT_EQ(Text(IDC_EXPRESSION), "abs(-2)\r\nceil(1.2)");
    EXPECT_EQ(TempFolder::Read(out), "ABS(-2) = 2.00\r\r\n\r\r\nCEIL(1.2) = 2.00\r\r\n\r\r\n\r\n");
    EXPECT_EQ(window.EditorStarts(), std::vector<std::string>{out});
}

TEST_F(CalcTest, TheEditorGetsThePathAsTyped) {
    const std::string path = folder.Path("a name with spaces & 'quotes'.txt");
    Calc("1", "", path, false, true);
    EXPECT_EQ(window.EditorStarts(), std::vector<std::string>{path});
    EXPECT_EQ(TempFolder::Read(path), "1 = 1.00\r\r\n\r\r\n\r\n");
}

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

TEST_F(CalcTest, UpperCasingUsesTheWindowsLeadByteTest) {
    const std::string path = folder.Path("out.txt");
    window.SetLeadByteTest(IsLeadByte);
    Calc(
        "\x81"
        "a+b",
        "", path, false, true);
    EXPECT_EQ(TempFolder::Read(path).substr(0, 7),
              "\x81"
              "a+B = ");
}

// ---------------------------------------------------------------------------
// An output file that cannot be written: the results stay, the message names
// the path, the focus goes to its box and no editor starts.

struct OutputFailure {
    const char* name;
    std::function<std::string(const TempFolder&)> outputFile;
    std::string (*message)(std::string_view path);
};

const OutputFailure kOutputFailures[] = {
    {"MissingFolder", [](const TempFolder& f) { return f.Path("missing/out.txt"); }, MsgOpenFailed},
    {"EmptyName", [](const TempFolder&) { return std::string(); }, MsgOpenFailed},
    {"AFolder", [](const TempFolder& f) { return f.Path().string(); }, MsgOpenFailed},
    {"DiskFull", [](const TempFolder&) { return std::string("/dev/full"); }, MsgWriteFailed},
};

class OutputFailureTest : public CalcTest, public ::testing::WithParamInterface<OutputFailure> {};

TEST_P(OutputFailureTest, KeepsTheResultsAndFocusesTheOutputName) {
    const OutputFailure& failure = GetParam();
    const std::string path = failure.outputFile(folder);
    Calc("1+1\r\n2*3", "", path, false, true);
    ExpectOneMessage(failure.message(path));
    EXPECT_EQ(window.Focus(), IDC_OUTPUT_FILE);
    EXPECT_EQ(Text(IDC_RESULT), "2.00   \r\n6.00   \r\n");
    EXPECT_TRUE(window.EditorStarts().empty());

    // The writer fails again on the next press, with the same message.
    window.Click(IDOK);
    EXPECT_EQ(window.Messages(), std::vector<std::string>(2, failure.message(path)));
    EXPECT_EQ(window.Focus(), IDC_OUTPUT_FILE);
    EXPECT_TRUE(window.EditorStarts().empty());
}

INSTANTIATE_TEST_SUITE_P(Calc, OutputFailureTest, ::testing::ValuesIn(kOutputFailures), CaseName());

// ---------------------------------------------------------------------------
// An output file that is the input file, however it is named: nothing is
// written, the results of the file are shown, the focus goes to the output
// name and no editor starts.

struct SameFileSpelling {
    const char* name;
    // The output name for the input file "in.txt" of the folder.
    std::function<std::string(const TempFolder&)> outputFile;
};

const SameFileSpelling kSameFileSpellings[] = {
    {"SamePath", [](const TempFolder& f) { return f.Path("in.txt"); }},
    {"DotSegment", [](const TempFolder& f) { return f.Path().string() + "/./in.txt"; }},
    {"DotDotSegment",
     [](const TempFolder& f) {
         std::filesystem::create_directory(f.Path() / "sub");
         return f.Path().string() + "/sub/../in.txt";
     }},
    {"DoubleSlash", [](const TempFolder& f) { return f.Path().string() + "//in.txt"; }},
    {"SymbolicLink",
     [](const TempFolder& f) {
         const std::string link = f.Path("link.txt");
         std::filesystem::create_symlink(f.Path("in.txt"), link);
         return link;
     }},
    {"HardLink",
     [](const TempFolder& f) {
         const std::string link = f.Path("hard.txt");
         std::filesystem::create_hard_link(f.Path("in.txt"), link);
         return link;
     }},
};

class SameFileTest : public CalcTest, public ::testing::WithParamInterface<SameFileSpelling> {};

TEST_P(SameFileTest, WritesNothingAndSaysSo) {
    const std::string bytes = "1+1\n2*3\n";
    const std::string in = folder.Write("in.txt", bytes);
    const std::string out = GetParam().outputFile(folder);
    Calc("typed", in, out, true, true);
    ExpectOneMessage(MsgOutputIsInput(out));
    EXPECT_EQ(TempFolder::Read(in), bytes);
    EXPECT_EQ(Text(IDC_EXPRESSION), "1+1\r\n2*3\r\n");
    EXPECT_EQ(Text(IDC_RESULT), "2.00   \r\n6.00   \r\n");
    EXPECT_EQ(window.Focus(), IDC_OUTPUT_FILE);
    EXPECT_TRUE(window.EditorStarts().empty());
}

INSTANTIATE_TEST_SUITE_P(Calc, SameFileTest, ::testing::ValuesIn(kSameFileSpellings), CaseName());

// Restores the working folder when it goes.
class WorkingFolder {
  public:
    explicit WorkingFolder(const std::filesystem::path& path)
        : m_saved(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingFolder() { std::filesystem::current_path(m_saved); }

  private:
    std::filesystem::path m_saved;
};

TEST_F(CalcTest, ARelativeNameOfTheInputFileIsTheInputFile) {
    const std::string bytes = "5*5\n";
    const std::string in = folder.Write("in.txt", bytes);
    const WorkingFolder working(folder.Path());
    Calc("typed", in, "./in.txt", true, true);
    ExpectOneMessage(MsgOutputIsInput("./in.txt"));
    EXPECT_EQ(TempFolder::Read(in), bytes);
}

TEST_F(CalcTest, AnotherFileBesideTheInputIsWritten) {
    const std::string in = folder.Write("in.txt", "5*5\n");
    const std::string out = folder.Path("in.txt.out");
    Calc("typed", in, out, true, true);
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_EQ(TempFolder::Read(out), "5*5 = 25.00\r\r\n\r\r\n\r\n");
}

TEST_F(CalcTest, TheInputFileMayBeWrittenWhenItIsNotRead) {
    // Without "Input From" the file named there is not read, so it is not guarded.
    const std::string path = folder.Write("in.txt", "5*5\n");
    OpenWith(true, true);
    window.Type(IDC_INPUT_FILE, path);
    window.Click(IDC_INPUT_FROM);  // cleared: the name stays in its box
    window.Type(IDC_OUTPUT_FILE, path);
    window.Type(IDC_EXPRESSION, "2*2");
    window.Click(IDOK);
    ASSERT_EQ(Text(IDC_INPUT_FILE), path);
    EXPECT_TRUE(window.Messages().empty());
    EXPECT_EQ(TempFolder::Read(path), "2*2 = 4.00\r\r\n\r\r\n\r\n");
}

}  // namespace
