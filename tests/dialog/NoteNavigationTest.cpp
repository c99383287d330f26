// From the notes of the result box to the lines they are about: a
// double-click on a noted result line and F8 / Shift+F8 in either box select
// the token at fault in the expression box, wrapping round; after an edit,
// only a line that is still as it was evaluated is gone to.
#include <optional>
#include <string>

#include "DialogTest.h"

namespace {

using ::PrintTo;
using quorvane::window::StepDirection;

// Three noted lines (2, 4 and 6) among lines without a note and an empty one.
constexpr std::string_view kExpression = "1+1\r\nsqr(4)\r\n\r\n2 3\r\n5*5\r\n  1/0";
constexpr std::string_view kResults =
    "2.00   \r\n"
    "4.00   'SQR' has no value; taken as 0 (column 1), and 1 more\r\n"
    "3.00   missing operator before '3' (column 3)\r\n"
    "25.00   \r\n"
    "Error   division by zero (column 4)\r\n";
// Where the result lines start.
constexpr std::size_t kResultLine[] = {0, 9, 71, 118, 128};

// The selections of the three tokens: "sqr", "3" and "/".
struct Selection {
    std::size_t anchor;
    std::size_t caret;
    friend bool operator==(const Selection&, const Selection&) = default;
};
constexpr Selection kSqr{5, 8};
constexpr Selection kThree{17, 18};
constexpr Selection kSlash{28, 29};

Selection ExpressionSelection(const quorvane::window::scripted::ScriptedWindow& window) {
    const auto& expression = window.At(IDC_EXPRESSION);
    return {expression.anchor, expression.caret};
}

enum class Act { DoubleClick, F8, ShiftF8 };

struct NoteCase {
    const char* name;
    std::string typedAfterCalc;  // over the expression box; empty: left as evaluated
    int box;                     // where the double-click or the key is
    std::size_t at;              // the index clicked in that box, or its caret
    Act act;
    std::optional<Selection> selected;       // nothing: the expression box stays as it was
    std::optional<std::size_t> resultCaret;  // where the result box's caret goes
};

const NoteCase kNoteCases[] = {
    {"DoubleClickOnTheFirstNote", "", IDC_RESULT, kResultLine[1] + 20, Act::DoubleClick, kSqr,
     std::nullopt},
    {"DoubleClickOnALineWithoutNote", "", IDC_RESULT, kResultLine[3] + 2, Act::DoubleClick,
     std::nullopt, std::nullopt},
    {"DoubleClickInTheExpressionBox", "", IDC_EXPRESSION, kResultLine[1] + 11, Act::DoubleClick,
     std::nullopt, std::nullopt},
    {"F8FromTheFirstLine", "", IDC_EXPRESSION, 2, Act::F8, kSqr, kResultLine[1]},
    {"F8FromTheFirstNote", "", IDC_EXPRESSION, kSqr.caret, Act::F8, kThree, kResultLine[2]},
    {"F8FromTheLastNoteWraps", "", IDC_EXPRESSION, kSlash.caret, Act::F8, kSqr, kResultLine[1]},
    {"ShiftF8FromTheFirstNoteWraps", "", IDC_EXPRESSION, kSqr.anchor, Act::ShiftF8, kSlash,
     kResultLine[4]},
    {"F8InTheResultBoxAfterALineWithoutNote", "", IDC_RESULT, kResultLine[3], Act::F8, kSlash,
     kResultLine[4]},
    {"ShiftF8InTheResultBoxOnANote", "", IDC_RESULT, kResultLine[2] + 3, Act::ShiftF8, kSqr,
     kResultLine[1]},
    {"AnEditElsewhereKeepsTheNote", "1+2\r\nsqr(4)\r\n\r\n2 3", IDC_EXPRESSION, 0, Act::F8, kSqr,
     kResultLine[1]},
    {"F8ToALineThatWasRemovedDoesNothing", "1+1\r\n\r\n2 3\r\n5*5\r\n  1/0", IDC_EXPRESSION, 0,
     Act::F8, std::nullopt, std::nullopt},
};

class NoteNavigationTest : public DialogTest, public ::testing::WithParamInterface<NoteCase> {};

TEST_P(NoteNavigationTest, SelectsTheTokenOfTheNoteOrNothing) {
    const NoteCase& c = GetParam();
    Open();
    window.Type(IDC_EXPRESSION, kExpression);
    window.Click(IDOK);
    ASSERT_EQ(Text(IDC_RESULT), kResults);
    if (!c.typedAfterCalc.empty()) window.Type(IDC_EXPRESSION, c.typedAfterCalc);
    const std::size_t expressionEnd = Text(IDC_EXPRESSION).size();
    window.PlaceCaret(IDC_EXPRESSION, expressionEnd);
    window.PlaceCaret(IDC_RESULT, 0);

    switch (c.act) {
        case Act::DoubleClick:
            window.DoubleClick(c.box, c.at);
            break;
        case Act::F8:
        case Act::ShiftF8:
            window.PlaceCaret(c.box, c.at);
            window.PressStepKey(
                c.box, c.act == Act::F8 ? StepDirection::Forward : StepDirection::Backward);
            break;
    }

    const Selection expressionAfter = ExpressionSelection(window);
    if (c.selected) {
        EXPECT_EQ(expressionAfter, *c.selected);
        EXPECT_EQ(window.Focus(), IDC_EXPRESSION);
    } else {
        const std::size_t before = c.box == IDC_EXPRESSION ? c.at : expressionEnd;
        EXPECT_EQ(expressionAfter, (Selection{before, before}));
        EXPECT_EQ(window.Focus(), c.box);
    }
    if (c.act != Act::DoubleClick) {
        const std::size_t resultBefore = c.box == IDC_RESULT ? c.at : 0;
        EXPECT_EQ(window.At(IDC_RESULT).caret, c.resultCaret.value_or(resultBefore));
    }
    EXPECT_EQ(Text(IDC_RESULT), kResults);
    EXPECT_TRUE(window.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Notes, NoteNavigationTest, ::testing::ValuesIn(kNoteCases), CaseName());

TEST_F(DialogTest, LoneCrAndLfEndLinesAsTheRunCountsThem) {
    Open();
    window.Type(IDC_EXPRESSION, "1\rsqr(4)\n2 3");
    window.Click(IDOK);
    window.PlaceCaret(IDC_EXPRESSION, 0);
    window.PressStepKey(IDC_EXPRESSION, StepDirection::Forward);
    EXPECT_EQ(ExpressionSelection(window), (Selection{2, 5}));
    window.PressStepKey(IDC_EXPRESSION, StepDirection::Forward);
    EXPECT_EQ(ExpressionSelection(window), (Selection{11, 12}));
}

}  // namespace
