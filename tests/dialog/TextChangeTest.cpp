// The smallest change between the text an edit box shows and the text it is
// to show: the common beginning and end kept, never a character or a line
// break cut in two.
#include <gtest/gtest.h>

#include <string>

#include "DialogTest.h"
#include "window/TextChange.h"

namespace {

using ::PrintTo;
using quorvane::batch::LeadBytePredicate;
using quorvane::window::SmallestChange;
using quorvane::window::TextChange;

bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

struct ChangeCase {
    const char* name;
    std::string_view oldText;
    std::string_view newText;
    LeadBytePredicate isLeadByte;  // null: UTF-8
    std::size_t start;
    std::size_t removed;
    std::string_view inserted;
    bool takenAsNewText = false;  // TextChange::NewText
};

const ChangeCase kChanges[] = {
    {"Same", "1+1\r\n2", "1+1\r\n2", nullptr, 6, 0, ""},
    {"BothEmpty", "", "", nullptr, 0, 0, ""},
    {"DigitInTheSecondLine", "1+1\r\n22", "1+1\r\n272", nullptr, 6, 0, "7"},
    {"TemplateInARun", "11", "1sqrt()1", nullptr, 1, 0, "sqrt()"},
    {"Cleared", "1+1\r\n2", "", nullptr, 0, 6, ""},
    {"AllNew", "abc", "xyz", nullptr, 0, 3, "xyz"},
    {"BackspaceTakesTheLfOfALineBreak", "1\r\n2", "1\r2", nullptr, 1, 2, "\r"},
    {"LfMadeALineBreak", "1\r2", "1\r\n2", nullptr, 1, 1, "\r\n"},
    {"Utf8SharedLeadBytes", "a\xE4\xB8\xADz", "a\xE4\xB8\xABz", nullptr, 1, 3, "\xE4\xB8\xAB"},
    {"Utf8SharedContinuationByte", "x\xC3\xA9y", "x\xC2\xA9y", nullptr, 1, 2, "\xC2\xA9"},
    {"GbkSharedLeadByte", "1\xD6\xD0", "1\xD6\xD1", IsGbkLeadByte, 1, 2, "\xD6\xD1"},
    {"GbkTrailByteLikeALetter", "x\xB0z", "x\xB1z", IsGbkLeadByte, 1, 2, "\xB1z"},
    {"GbkCharacterBeforeTheEnd", "\xD6\xD0\xCE\xC4", "\xD6\xD0+\xCE\xC4", IsGbkLeadByte, 2, 0, "+"},
    {"GbkPairsOutOfStep", "a\xB0\xB0\xB0\xB0", "\xB0\xB0\xB0\xB0", IsGbkLeadByte, 0, 1, ""},
    {"GbkLoneLeadByteAtTheEnd", "\xB0\xB0\xB0\xB0", "\xB0\xB0\xB0", IsGbkLeadByte, 2, 2, "\xB0"},
    {"GbkLineBreakCut", "1\r\n", "1\r", IsGbkLeadByte, 1, 2, "\r"},
    {"LoneLfAfterTheChange", "ab\n", "ac\n", nullptr, 1, 1, "c"},
    {"CrAddedBeforeAnLf", "1\n", "1\r\n", nullptr, 1, 1, "\r\n", true},
    {"GbkLfMadeALineBreak", "1\r2", "1\r\n2", IsGbkLeadByte, 1, 1, "\r\n"},
    {"LineBreakForTheLastLetter", "abc", "ab\r\n", nullptr, 2, 1, "\r\n", false},
    {"FirstDigit", "", "7", nullptr, 0, 0, "7", false},
    {"FirstLines", "", "1\r\n2", nullptr, 0, 0, "1\r\n2", true},
};

class TextChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(TextChangeTest, KeepsTheCommonBeginningAndEnd) {
    const ChangeCase& c = GetParam();
    const TextChange change = SmallestChange(c.oldText, c.newText, c.isLeadByte);
    EXPECT_EQ(change.start, c.start);
    EXPECT_EQ(change.removed, c.removed);
    EXPECT_EQ(change.inserted, c.inserted);
    EXPECT_EQ(change.NewText(c.oldText.size()), c.takenAsNewText);
    std::string applied(c.oldText);
    applied.replace(change.start, change.removed, change.inserted);
    EXPECT_EQ(applied, c.newText);
}

INSTANTIATE_TEST_SUITE_P(Edit, TextChangeTest, ::testing::ValuesIn(kChanges), CaseName());

}  // namespace
