// The dialog under hostile input: huge and deep lines, millions of lines,
// binary garbage, limits, odd file names; every fault leaves the input file
// as it was.
#include <algorithm>
#include <random>
#include <string>

#include "CalcFromTo.h"
#include "DialogTest.h"
#include "TempFolder.h"

namespace {

using ::PrintTo;
using quorvane::window::scripted::CalcFromTo;
using quorvane::window::scripted::ScriptedWindow;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

std::string Repeat(std::string_view text, std::size_t count) {
    std::string repeated;
    repeated.reserve(text.size() * count);
    for (std::size_t i = 0; i < count; ++i) repeated += text;
    return repeated;
}

class HostileInputTest : public DialogTest {
  protected:
    // Evaluates the file's bytes through "&Input From"; the file must stay as it was.
    std::string CalcFile(const std::string& bytes) {
        const std::string path = folder.Write("in.txt", bytes);
        OpenWith(true, false);
        window.Type(IDC_INPUT_FILE, path);
        window.Click(IDOK);
        EXPECT_TRUE(TempFolder::Read(path) == bytes) << "the input file changed";
        return Text(IDC_RESULT);
    }

    TempFolder folder;
};

struct HostileCase {
    const char* name;
    std::string bytes;
    std::string results;
};

const HostileCase kHostileCases[] = {
    {"DeepOpening", std::string(1000000, '('),
     "Error   line longer than 1024 characters (column 1025)\r\n"},
    {"HugeLineThenShortOne", Repeat("1+", 5000000) + "\n2",
     "Error   line longer than 1024 characters (column 1025)\r\n2.00   \r\n"},
    {"HugeComment", "1//" + std::string(5000000, 'x'), "1.00   \r\n"},
    {"CtrlZNulAndFF",
     std::string("1\xff"
                 "2\r\n3\x1a\n4",
                 9),
     "0.00   '1\xff"
     "2' is not a number; taken as 0 (column 1)\r\n3.00   \r\n"},
    {"NulEndsTheText", std::string("5\0\n6", 4), "5.00   \r\n"},
    {"MixedLineEnds", "1\r2\n3\r\n4\n\r5\r\r\n\n6",
     "1.00   \r\n2.00   \r\n3.00   \r\n4.00   \r\n5.00   \r\n6.00   \r\n"},
    {"NamesAtAndBeyondTheLimit",
     std::string(63, 'a') + "\n" + std::string(64, 'a') + "\n" + std::string(10000, 'a'),
     "0.00   '" + std::string(63, 'A') +
         "' has no value; taken as 0 (column 1)\r\nError   name or number longer than 63 "
         "characters (column 1)\r\nError   line longer than 1024 characters (column 1025)\r\n"},
    {"NumbersBeyondTheLimit", std::string(64, '9') + "\n" + std::string(10000, '9'),
     "Error   name or number longer than 63 characters (column 1)\r\nError   line longer than 1024 "
     "characters (column 1025)\r\n"},
    {"TokensAtAndBeyondTheLimit", Repeat("1+", 255) + "1,\n" + Repeat("1+", 256) + "1",
     "256.00   \r\nError   more than 512 tokens (column 513)\r\n"},
};

class HostileFileTest : public HostileInputTest,
                        public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileFileTest, EachLineGivesItsValueOrError) {
    EXPECT_EQ(CalcFile(GetParam().bytes), GetParam().results);
    EXPECT_TRUE(window.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Calc, HostileFileTest, ::testing::ValuesIn(kHostileCases), CaseName());

TEST_F(HostileInputTest, AHundredMegabyteLineTypedIntoTheBox) {
    Open();
    window.Type(IDC_EXPRESSION, Repeat("1+", 50000000));
    window.Click(IDOK);
    EXPECT_EQ(Text(IDC_RESULT), "Error   line longer than 1024 characters (column 1025)\r\n");
}

TEST_F(HostileInputTest, MillionsOfShortLines) {
    const std::size_t lines = kSanitized ? 1000000 : 10000000;
    const std::string results = CalcFile(Repeat("1+1\n", lines));
    EXPECT_EQ(results.size(), lines * 9);
    EXPECT_EQ(results.substr(results.size() - 9), "2.00   \r\n");
    EXPECT_EQ(window.At(IDC_EXPRESSION).text.size(), lines * 5);
}

TEST_F(HostileInputTest, BinaryGarbageGivesOneResultPerLine) {
    std::mt19937 random(20261207);
    std::string bytes(1 << 20, '\0');
    std::generate(bytes.begin(), bytes.end(),
                  [&random] { return static_cast<char>(random() % 255 + 1); });
    const std::string results = CalcFile(bytes);
    // Every result line is a value or Error and three blanks, then perhaps
    // its note, which holds no line break, then CR LF.
    std::size_t start = 0;
    std::size_t count = 0;
    while (start < results.size()) {
        const std::size_t end = results.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = results.substr(start, end - start);
        const std::size_t blanks = line.find("   ");
        ASSERT_NE(blanks, std::string::npos) << line;
        const std::string value = line.substr(0, blanks);
        EXPECT_TRUE(value == "Error" ||
                    value.find_first_not_of("-0123456789.infa") == std::string::npos)
            << value;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        start = end + 2;
        ++count;
    }
    EXPECT_GT(count, 0u);
}

// A file name is only a name: nothing in it is run, and the editor gets it whole.
TEST_F(HostileInputTest, OddFileNamesAreUsedAsTheyAre) {
    const char* const names[] = {
        "with blanks.txt",  "quote'\"s.txt",   "semi;colon.txt",
        "$(touch ran).txt", "`touch ran`.txt", "\xC3\xA9t\xC3\xA9 \xE6\x96\x87\xE4\xBB\xB6.txt"};
    for (const char* name : names) {
        const std::string input = folder.Write(std::string("in ") + name, "6*7\n");
        const std::string output = folder.Path(std::string("out ") + name);
        ScriptedWindow oddWindow;
        CalcFromTo(oddWindow, input, output);
        EXPECT_TRUE(oddWindow.Messages().empty()) << name;
        EXPECT_EQ(oddWindow.ControlText(IDC_RESULT), "42.00   \r\n") << name;
        EXPECT_EQ(TempFolder::Read(output), "6*7 = 42.00\r\r\n\r\r\n\r\n") << name;
        EXPECT_EQ(oddWindow.EditorStarts(), std::vector<std::string>{output}) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path("ran")));
    EXPECT_FALSE(std::filesystem::exists("ran"));
}

// After every fault of the output side, the input file is byte for byte as before.
TEST_F(HostileInputTest, OutputFaultsLeaveTheInputFileAlone) {
    const std::string bytes = "1+1\r\n\xff\x80 2*3\n";
    const std::string input = folder.Write("in.txt", bytes);
    std::filesystem::create_directory(folder.Path("folder"));
    const std::string outputs[] = {folder.Path("missing/out.txt"),
                                   folder.Path("folder"),
                                   "/dev/full",
                                   input,
                                   folder.Path(".") + "/in.txt",
                                   ""};
    for (const std::string& output : outputs) {
        ScriptedWindow faultWindow;
        CalcFromTo(faultWindow, input, output);
        EXPECT_EQ(faultWindow.Messages().size(), 1u) << output;
        EXPECT_TRUE(faultWindow.EditorStarts().empty()) << output;
        EXPECT_EQ(faultWindow.Focus(), IDC_OUTPUT_FILE) << output;
        EXPECT_EQ(TempFolder::Read(input), bytes) << output;
    }
}

}  // namespace
