// The keypad: each button's caption decides what goes in at the caret of the
// expression box and where the caret lands.
#include <string>

#include "DialogTest.h"
#include "DialogTestSeam.h"
#include "TempFolder.h"
#include "batch/Messages.h"

namespace {

using ::PrintTo;
using quorvane::batch::kMsgInputExpression;
using quorvane::batch::kMsgInputFileName;
using quorvane::window::DialogTestSeam;

constexpr std::string_view kTwoLines = "12\r\n345";

class KeypadTest : public DialogTest {
  protected:
    // Opens the window with the expression box holding `text`, the caret at
    // `caret` and the selection reaching back to `anchor`.
    void Prepare(std::string_view text, std::size_t anchor, std::size_t caret) {
        Open();
        window.Type(IDC_EXPRESSION, text);
        window.Select(IDC_EXPRESSION, anchor, caret);
    }

    void Press(int id) { ASSERT_TRUE(window.Click(id)); }

    void ExpectBox(std::string_view text, std::size_t caret) {
        EXPECT_EQ(Text(IDC_EXPRESSION), text);
        EXPECT_EQ(window.At(IDC_EXPRESSION).caret, caret);
        EXPECT_EQ(window.At(IDC_EXPRESSION).anchor, caret) << "the selection is dropped";
        EXPECT_EQ(window.Focus(), IDC_EXPRESSION);
    }
};

// The buttons that insert, with what they insert and how far the caret moves.
struct InsertKey {
    int id;
    const char* caption;
    const char* inserted;
    std::size_t caretAdvance;
};

const InsertKey kInsertKeys[] = {
    {1014, "7", "7", 1},         {1015, "8", "8", 1},         {1016, "9", "9", 1},
    {1017, "/", "/", 1},         {1018, "sqrt", "sqrt()", 5}, {1019, "4", "4", 1},
    {1020, "5", "5", 1},         {1021, "6", "6", 1},         {1022, "*", "*", 1},
    {1023, "%", "%", 1},         {1024, "1", "1", 1},         {1025, "2", "2", 1},
    {1026, "3", "3", 1},         {1027, "-", "-", 1},         {1028, "1/x", "1/x", 1},
    {1029, "0", "0", 1},         {1030, "+/-", "-", 1},       {1031, ".", ".", 1},
    {1032, "+", "+", 1},         {1034, "(", "(", 1},         {1035, ")", ")", 1},
    {1068, "asin", "asin()", 5}, {1069, "ceil", "ceil()", 5}, {1070, "pow", "pow(,)", 4},
    {1071, "tanh", "tanh()", 5}, {1072, "acos", "acos()", 5}, {1073, "atan2", "atan2()", 6},
    {1074, "log", "log()", 4},   {1075, "tan", "tan()", 4},   {1076, "abs", "abs()", 4},
    {1077, "atan", "atan()", 5}, {1078, "exp", "exp()", 4},   {1079, "sin", "sin()", 4},
};

void PrintTo(const InsertKey& key, std::ostream* out) { *out << '"' << key.caption << '"'; }

// Where the caret (and the other end of a selection) stands before the press.
struct CaretPlace {
    const char* name;
    std::size_t anchor;
    std::size_t caret;
};

const CaretPlace kCaretPlaces[] = {
    {"AtTheStart", 0, 0},       {"InTheSecondLine", 5, 5},   {"AfterTheLineBreak", 4, 4},
    {"SelectingForward", 1, 6}, {"SelectingBackward", 7, 4},
};

class InsertKeyTest : public KeypadTest,
                      public ::testing::WithParamInterface<std::tuple<InsertKey, CaretPlace>> {};

TEST_P(InsertKeyTest, InsertsAtTheCaretAndMovesItOn) {
    const auto& [key, place] = GetParam();
    Prepare(kTwoLines, place.anchor, place.caret);
    ASSERT_EQ(Text(key.id), key.caption);
    Press(key.id);

    std::string expected(kTwoLines);
    expected.insert(place.caret, key.inserted);
    ExpectBox(expected, place.caret + key.caretAdvance);
    EXPECT_EQ(Text(IDC_RESULT), kSampleResults);
    EXPECT_TRUE(window.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Keypad, InsertKeyTest,
                         ::testing::Combine(::testing::ValuesIn(kInsertKeys),
                                            ::testing::ValuesIn(kCaretPlaces)),
                         [](const auto& testCase) {
                             return std::to_string(std::get<0>(testCase.param).id) + "_" +
                                    std::get<1>(testCase.param).name;
                         });

TEST_F(KeypadTest, TheCaptionsOfTheOtherThreeKeys) {
    Open();
    EXPECT_EQ(Text(IDC_KEY_BACKSPACE), "Backspace");
    EXPECT_EQ(Text(IDC_KEY_CLEAR), "C");
    EXPECT_EQ(Text(IDC_KEY_EQUALS), "=");
}

struct EditKeyCase {
    const char* name;
    int id;
    CaretPlace place;
    std::string text;
    std::size_t caret;
};

const EditKeyCase kEditKeyCases[] = {
    {"BackspaceAtTheStart", IDC_KEY_BACKSPACE, {"", 0, 0}, "12\r\n345", 0},
    {"BackspaceInTheSecondLine", IDC_KEY_BACKSPACE, {"", 5, 5}, "12\r\n45", 4},
    {"BackspaceAfterTheLineBreak", IDC_KEY_BACKSPACE, {"", 4, 4}, "12\r345", 3},
    {"BackspaceWithASelection", IDC_KEY_BACKSPACE, {"", 1, 6}, "12\r\n35", 5},
    {"ClearAtTheStart", IDC_KEY_CLEAR, {"", 0, 0}, "", 0},
    {"ClearWithASelection", IDC_KEY_CLEAR, {"", 7, 4}, "", 0},
};

class EditKeyTest : public KeypadTest, public ::testing::WithParamInterface<EditKeyCase> {};

TEST_P(EditKeyTest, EditsTheTextAtTheCaret) {
    const EditKeyCase& edit = GetParam();
    Prepare(kTwoLines, edit.place.anchor, edit.place.caret);
    Press(edit.id);
    ExpectBox(edit.text, edit.caret);
    const bool clears = edit.id == IDC_KEY_CLEAR;
    EXPECT_EQ(Text(IDC_RESULT), clears ? "" : kSampleResults);
    EXPECT_TRUE(window.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Keypad, EditKeyTest, ::testing::ValuesIn(kEditKeyCases), CaseName());

bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

struct CharacterCase {
    const char* name;
    std::string text;
    quorvane::batch::LeadBytePredicate isLeadByte;
    std::string left;
};

// "Backspace" removes the whole character before the caret (at the end here).
const CharacterCase kCharacterCases[] = {
    {"Ascii", "1+2", nullptr, "1+"},
    {"Utf8TwoBytes", "1+\xC3\xA9", nullptr, "1+"},
    {"Utf8ThreeBytes", "\xE6\x96\x87\xE4\xBB\xB6", nullptr, "\xE6\x96\x87"},
    {"Utf8FourBytes", "x\xF0\x9F\x98\x80", nullptr, "x"},
    {"StrayContinuationByte", "x\x80\x80", nullptr, "x\x80"},
    {"LineBreakIsTwoCharacters", "1\r\n", nullptr, "1\r"},
    {"DoubleByteCharacter", "1\xCE\xC4\xBC\xFE", IsGbkLeadByte, "1\xCE\xC4"},
    {"TrailByteLikeALetter", "\xB0\x61", IsGbkLeadByte, ""},
    {"SingleByteAfterPairs", "\xB0\x61z", IsGbkLeadByte, "\xB0\x61"},
};

class CharacterBackspaceTest : public KeypadTest,
                               public ::testing::WithParamInterface<CharacterCase> {};

TEST_P(CharacterBackspaceTest, RemovesTheWholeCharacter) {
    const CharacterCase& c = GetParam();
    window.SetLeadByteTest(c.isLeadByte);
    Prepare(c.text, c.text.size(), c.text.size());
    Press(IDC_KEY_BACKSPACE);
    ExpectBox(c.left, c.left.size());
}

INSTANTIATE_TEST_SUITE_P(Keypad, CharacterBackspaceTest, ::testing::ValuesIn(kCharacterCases),
                         CaseName());

TEST_F(KeypadTest, EqualsEvaluatesAndPutsTheCaretBack) {
    Prepare(kTwoLines, 1, 5);
    Press(IDC_KEY_EQUALS);
    ExpectBox(kTwoLines, 5);
    EXPECT_EQ(Text(IDC_RESULT), "12.00   \r\n345.00   \r\n");
}

TEST_F(KeypadTest, EqualsShowsTheMessagesOfCalcAndStillFocusesTheBox) {
    Open();
    window.Click(IDC_INPUT_FROM);
    Press(IDC_KEY_EQUALS);  // the input file name is empty
    EXPECT_EQ(window.Messages(), std::vector<std::string>{std::string(kMsgInputFileName)});
    ExpectBox(kSampleText, 0);

    window.Click(IDC_INPUT_FROM);
    window.Type(IDC_EXPRESSION, "");
    Press(IDC_KEY_EQUALS);
    EXPECT_EQ(window.Messages().back(), kMsgInputExpression);
    ExpectBox("", 0);
    EXPECT_EQ(Text(IDC_RESULT), kSampleResults);
}

// "=" with the expressions read from an input file: the box shows the file's
// text and the caret goes back to where it was, or to the end of a shorter text.
struct ReloadCase {
    const char* name;
    std::string fileBytes;
    std::size_t caret;  // in "1+1\r\n2+2"
    std::string loaded;
    std::size_t caretAfter;
    std::string results;
};

const ReloadCase kReloadCases[] = {
    {"ShorterTextClampsTheCaret", "5", 8, "5", 1, "5.00   \r\n"},
    {"LongerTextKeepsTheCaret", "10*10\n", 2, "10*10\r\n", 2, "100.00   \r\n"},
};

class EqualsReloadTest : public KeypadTest, public ::testing::WithParamInterface<ReloadCase> {};

TEST_P(EqualsReloadTest, PutsTheCaretBackIntoTheFilesText) {
    const ReloadCase& reload = GetParam();
    TempFolder folder;
    Prepare("1+1\r\n2+2", reload.caret, reload.caret);
    window.Click(IDC_INPUT_FROM);
    window.Type(IDC_INPUT_FILE, folder.Write("in.txt", reload.fileBytes));
    Press(IDC_KEY_EQUALS);
    ExpectBox(reload.loaded, reload.caretAfter);
    EXPECT_EQ(Text(IDC_RESULT), reload.results);
}

INSTANTIATE_TEST_SUITE_P(Keypad, EqualsReloadTest, ::testing::ValuesIn(kReloadCases), CaseName());

TEST_F(KeypadTest, AFunctionTemplateIsFilledInAtItsCaret) {
    Prepare("", 0, 0);
    Press(IDC_KEY_SQRT);
    ExpectBox("sqrt()", 5);
    Press(IDC_KEY_9);
    ExpectBox("sqrt(9)", 6);
    window.Click(IDOK);
    EXPECT_EQ(Text(IDC_RESULT), "3.00   \r\n");
}

TEST_F(KeypadTest, SignAppendsAMinusAndRemembersIt) {
    Prepare("", 0, 0);
    EXPECT_EQ(DialogTestSeam::KeyText(dialog), "");
    Press(IDC_KEY_5);
    Press(IDC_KEY_SIGN);
    ExpectBox("5-", 2);
    EXPECT_EQ(DialogTestSeam::KeyText(dialog), "-");
}

TEST_F(KeypadTest, TheCaptionAtTheMomentOfThePressDecides) {
    Prepare("2", 0, 0);
    window.SetControlText(IDC_KEY_7, "tanh");
    Press(IDC_KEY_7);
    ExpectBox("tanh()2", 5);
    window.SetControlText(IDC_KEY_8, "xyz");
    Press(IDC_KEY_8);
    ExpectBox("tanh(xyz)2", 6);  // any other caption goes in whole, the caret moves by one
    window.SetControlText(IDC_KEY_9, "C");
    Press(IDC_KEY_9);
    ExpectBox("", 0);
}

}  // namespace
