// Journeys of a person at the dialog: clicks at the centre of buttons and at
// the end of a line, keys typed, all as real input; then the output file
// written through the window. The keypad must write where the person's
// caret stood, whatever was clicked before it, in Chinese text too.
#include <algorithm>

#include "DialogTemplates.h"
#include "ProgramWindows.h"
#include "QuorvaneProcess.h"
#include "TestGroups.h"
#include "UserInput.h"
#include "resource.h"

namespace {

enum class Act { End, ClickLineEnd, Type, Undo, Click, AnswerMessage, Enter, SeeArrow };

// One thing the person does: click at the end of a line of the expression
// box, type, press Ctrl+Z, click a control, click OK on the message box
// that is open, press Enter, which evaluates, or see the arrow where the
// pointer stands on a button.
struct Step {
    Act act;
    int value;  // the line, or the control id
    const wchar_t* text;
};

constexpr Step ClickLineEnd(int line) { return {Act::ClickLineEnd, line, nullptr}; }
constexpr Step Type(const wchar_t* text) { return {Act::Type, 0, text}; }
constexpr Step Click(int id) { return {Act::Click, id, nullptr}; }
constexpr Step kAnswerMessage{Act::AnswerMessage, 0, nullptr};
constexpr Step kUndo{Act::Undo, 0, nullptr};
constexpr Step kEnter{Act::Enter, 0, nullptr};
constexpr Step kSeeArrow{Act::SeeArrow, 0, nullptr};

// Each journey starts with the program as it opens; afterwards "&Output To"
// is ticked (if a step has not), the output file's name typed and "&Calc"
// clicked.
struct Journey {
    const char* name;
    Step steps[10];
    const char* expression;  // the expression box at the end, in code page 936
    const char* output;      // the bytes of the output file
};

constexpr char kSampleWithSeventeenTimesTwo[] =
    "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\n\r\n1+17*2\r\n\r\n5*5+1.6";
constexpr char kSampleWithSeventeenTimesTwoOutput[] =
    "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0 = 168.00\r\r\n\r\r\n"
    "1+17*2 = 35.00\r\r\n\r\r\n5*5+1.6 = 26.60\r\r\n\r\r\n\r\n";

constexpr char kSample[] =
    "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\n\r\n1+1\r\n\r\n5*5+1.6";
constexpr char kSampleOutput[] =
    "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0 = 168.00\r\r\n\r\r\n"
    "1+1 = 2.00\r\r\n\r\r\n5*5+1.6 = 26.60\r\r\n\r\r\n\r\n";

constexpr Journey kJourneys[] = {
    // The edit control has one level of undo, which takes back its last change.
    {"Ctrl+Z takes back the keypad's digit", {Click(IDC_KEY_7), kUndo}, kSample, kSampleOutput},
    {"Ctrl+Z takes back \"Backspace\"", {Click(IDC_KEY_BACKSPACE), kUndo}, kSample, kSampleOutput},
    {"Ctrl+Z takes back \"C\"", {Click(IDC_KEY_CLEAR), kUndo}, kSample, kSampleOutput},
    {"typed at the end of a line, \"&Calc\", then keypad \"*\" and \"2\"",
     {ClickLineEnd(2), Type(L"7"), Click(IDOK), Click(IDC_KEY_MULTIPLY), Click(IDC_KEY_2)},
     kSampleWithSeventeenTimesTwo,
     kSampleWithSeventeenTimesTwoOutput},
    {"typed at the end of a line, \"&Output To\", then keypad \"*\" and \"2\"",
     {ClickLineEnd(2), Type(L"7"), Click(IDC_OUTPUT_TO), Click(IDC_KEY_MULTIPLY), Click(IDC_KEY_2)},
     kSampleWithSeventeenTimesTwo,
     kSampleWithSeventeenTimesTwoOutput},
    // A click lets the pointer go as it acts, and the pointer then shows its
    // control's cursor again; the keys do not.
    {"typed at the end of a line, Enter, the arrow on a button, then keypad \"*\" and \"2\"",
     {ClickLineEnd(2), Type(L"7"), Click(IDC_INPUT_FROM), Click(IDC_INPUT_FROM), kEnter, kSeeArrow,
      Click(IDC_KEY_MULTIPLY), Click(IDC_KEY_2)},
     kSampleWithSeventeenTimesTwo,
     kSampleWithSeventeenTimesTwoOutput},
    {"typed at the end of a line, a message box closed, then keypad \"*\" and \"2\"",
     {ClickLineEnd(2), Type(L"7"), Click(IDC_INPUT_FROM), Click(IDOK), kAnswerMessage,
      Click(IDC_INPUT_FROM), Click(IDC_KEY_MULTIPLY), Click(IDC_KEY_2)},
     kSampleWithSeventeenTimesTwo,
     kSampleWithSeventeenTimesTwoOutput},
    {"keypad and Backspace below a Chinese comment, Backspace after it",
     {Type(L"1+2 // 中文\n34"), ClickLineEnd(1), Click(IDC_KEY_MULTIPLY), Click(IDC_KEY_5),
      Click(IDC_KEY_BACKSPACE), Click(IDC_KEY_6), ClickLineEnd(0), Click(IDC_KEY_BACKSPACE)},
     "1+2 // \xD6\xD0\r\n34*6",
     "1+2 // \xD6\xD0 = 3.00\r\r\n\r\r\n34*6 = 204.00\r\r\n\r\r\n\r\n"},
    {"typing at start-up replaces the selected sample",
     {Type(L"6*7")},
     "6*7",
     "6*7 = 42.00\r\r\n\r\r\n\r\n"},
    {"keypad at start-up writes after the selected sample",
     {Click(IDC_KEY_7)},
     "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\n\r\n1+1\r\n\r\n5*5+1.67",
     "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0 = 168.00\r\r\n\r\r\n"
     "1+1 = 2.00\r\r\n\r\r\n5*5+1.67 = 26.67\r\r\n\r\r\n\r\n"},
};

// A point right of the end of the line, inside the expression box: past the
// left edge of its last character (EM_POSFROMCHAR has no answer for the end
// of the text) by more than a character's width.
POINT LineEndPoint(HWND edit, int line) {
    const auto start = static_cast<WPARAM>(SendWithTimeout(edit, EM_LINEINDEX, line, 0));
    const auto length = static_cast<WPARAM>(SendWithTimeout(edit, EM_LINELENGTH, start, 0));
    const WPARAM last = length > 0 ? start + length - 1 : start;
    const auto position = static_cast<DWORD>(SendWithTimeout(edit, EM_POSFROMCHAR, last, 0));
    return {static_cast<short>(LOWORD(position)) + 24, static_cast<short>(HIWORD(position)) + 4};
}

bool ClickMessageOk(QuorvaneProcess& program, UserInput& input) {
    HWND box = program.AwaitMessageBox();
    return box != nullptr && input.Click(GetDlgItem(box, IDOK));
}

// Presses Enter; taken in once the results have changed.
bool PressEnter(const QuorvaneProcess& program, UserInput& input) {
    const std::string results = program.Text(IDC_RESULT);
    return input.Press(VK_RETURN) && WaitUntil([&] { return program.Text(IDC_RESULT) != results; });
}

HCURSOR ShownCursor() {
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    return GetCursorInfo(&cursor) ? cursor.hCursor : nullptr;
}

// The pointer on a button shows the button's own cursor, the arrow: the one
// the button gives it again when it moves there. A wait cursor left behind
// would give way to it. (Cursor handles differ from process to process: the
// driver's arrow is not the program's.)
bool SeesArrow(UserInput& input) {
    const HCURSOR standing = ShownCursor();
    return standing != nullptr && input.Nudge() && ShownCursor() == standing;
}

bool Do(const Step& step, QuorvaneProcess& program, UserInput& input) {
    switch (step.act) {
        case Act::ClickLineEnd:
            return input.ClickAt(program.Control(IDC_EXPRESSION),
                                 LineEndPoint(program.Control(IDC_EXPRESSION), step.value));
        case Act::Type:
            return input.Type(step.text);
        case Act::Undo:
            return input.Undo();
        case Act::Click:
            return input.Click(program.Control(step.value));
        case Act::AnswerMessage:
            return ClickMessageOk(program, input);
        case Act::Enter:
            return PressEnter(program, input);
        case Act::SeeArrow:
            return SeesArrow(input);
        case Act::End:
            break;
    }
    return true;
}

void RunJourney(Checker& check, const TestContext& context, const Journey& journey) {
    check.Case(std::string("journeys: ") + journey.name);
    ParkPointer();
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!check.True("main dialog shown", program.Started())) return;
    check.True("the dialog is active, the focus in the expression box", WaitUntil([&] {
                   return GetForegroundWindow() == program.Dialog() &&
                          program.Focus() == program.Control(IDC_EXPRESSION);
               }));
    UserInput input(program);
    int number = 0;
    for (const Step& step : journey.steps) {
        if (step.act == Act::End) break;
        ++number;
        check.True("step " + std::to_string(number) + " taken in", Do(step, program, input));
    }
    check.Equal("expression box", program.Text(IDC_EXPRESSION), journey.expression);

    context.folder.Remove("journey.txt");
    if (!program.IsChecked(IDC_OUTPUT_TO)) {
        check.True("\"&Output To\" clicked", input.Click(program.Control(IDC_OUTPUT_TO)));
    }
    check.True("output name box clicked", input.Click(program.Control(IDC_OUTPUT_FILE)));
    check.True("output name typed", input.Type(Wide(context.folder.File("journey.txt"))));
    check.True("\"&Calc\" clicked", input.Click(program.Control(IDOK)));
    check.True("the editor opened on the output file", CloseEditorShowing("journey.txt"));
    check.Equal("expression box after \"&Calc\"", program.Text(IDC_EXPRESSION), journey.expression);
    check.Equal("output file", context.folder.Read("journey.txt").value_or("(missing)"),
                journey.output);
}

// The keyboard alone: the access keys all work; from "&Input From", Tab goes
// round the enabled controls in template order to the output file's box.
void RunKeyboardJourney(Checker& check, const TestContext& context) {
    check.Case("journeys: the keyboard alone");
    QuorvaneProcess program(context.program, context.folder.Path());
    UserInput input(program);
    const auto keyFocuses = [&](WORD key, WORD modifier, int id) {
        return input.Press(key, modifier) && program.FocusComesTo(id);
    };
    check.True("expression typed", program.FocusComesTo(IDC_EXPRESSION) && input.Type(L"6*7"));
    for (const auto& [key, id, ticked] : {std::tuple{'I', IDC_INPUT_FROM, true},
                                          {'O', IDC_OUTPUT_TO, true},
                                          {'I', IDC_INPUT_FROM, false}}) {
        check.True(std::string("Alt+") + key,
                   keyFocuses(key, VK_MENU, id) && program.IsChecked(id) == ticked);
    }
    std::vector<int> order;  // the enabled tab stops in template order
    for (const ControlTemplate& control : FindDialogTemplate(IDD_QUORVANE_DIALOG)->controls) {
        if ((control.style & WS_TABSTOP) && program.IsEnabled(control.id)) {
            order.push_back(control.id);
        }
    }
    std::ranges::rotate(order, std::ranges::find(order, IDC_INPUT_FROM));  // the file's box last
    for (std::size_t i = 1; i < order.size(); ++i) {
        check.True("Tab to control " + std::to_string(order[i]), keyFocuses(VK_TAB, 0, order[i]));
    }
    context.folder.Remove("keyboard.txt");
    check.True("output name typed", input.Type(Wide(context.folder.File("keyboard.txt"))));
    check.True("Alt+H shows the help, Enter closes it",
               input.Press('H', VK_MENU) &&
                   WaitUntil([] { return WideWindowText(GetForegroundWindow()) == L"Message"; }) &&
                   keyFocuses(VK_RETURN, 0, IDC_HELP_BUTTON));
    check.True("Alt+C calculates into the file",
               input.Press('C', VK_MENU) && CloseEditorShowing("keyboard.txt"));
    check.Equal("output file", context.folder.Read("keyboard.txt").value_or("(missing)"),
                "6*7 = 42.00\r\r\n\r\r\n\r\n");
    DWORD exitCode = 1;
    check.True("Alt+E ends the program", program.FocusComesTo(IDOK) && input.Press('E', VK_MENU) &&
                                             program.WaitForExit(exitCode));
}

// A point a little into the character at the position of an edit's text.
POINT CharacterPoint(HWND edit, WPARAM position) {
    const auto corner = static_cast<DWORD>(SendWithTimeout(edit, EM_POSFROMCHAR, position, 0));
    return {static_cast<short>(LOWORD(corner)) + 4, static_cast<short>(HIWORD(corner)) + 4};
}

// The notes of the result box: faulty lines typed, "&Calc", a double-click
// on a note, F8 and Shift+F8 round the three noted lines, then a noted line
// removed, after which the keys do no harm.
void RunNoteJourney(Checker& check, const TestContext& context) {
    check.Case("journeys: from the notes to the tokens at fault");
    ParkPointer();
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!check.True("main dialog shown", program.Started())) return;
    check.True("the focus in the expression box", program.FocusComesTo(IDC_EXPRESSION));
    UserInput input(program);
    HWND expression = program.Control(IDC_EXPRESSION);
    HWND result = program.Control(IDC_RESULT);
    const auto selects = [&](unsigned start, unsigned end) {
        return WaitUntil([&] {
            return program.Selection16(IDC_EXPRESSION) == std::pair{start, end} &&
                   program.Focus() == expression;
        });
    };

    check.True("faulty lines typed", input.Type(L"1+1\nsqr(4)\n2 3\n1/0"));
    check.True("\"&Calc\" clicked", input.Click(program.Control(IDOK)));
    check.Equal("result box", program.Text(IDC_RESULT),
                "2.00   \r\n"
                "4.00   'SQR' has no value; taken as 0 (column 1), and 1 more\r\n"
                "3.00   missing operator before '3' (column 3)\r\n"
                "Error   division by zero (column 2)\r\n");

    check.True("double-click on the note of \"sqr(4)\"",
               input.DoubleClickAt(result, CharacterPoint(result, 9)));
    check.True("\"sqr\" selected", selects(5, 8));
    check.True("F8: \"3\" selected", input.Press(VK_F8) && selects(15, 16));
    check.True("F8: \"/\" selected", input.Press(VK_F8) && selects(19, 20));
    check.True("F8 wraps round to \"sqr\"", input.Press(VK_F8) && selects(5, 8));
    check.True("Shift+F8 wraps round to \"/\"", input.Press(VK_F8, VK_SHIFT) && selects(19, 20));
    check.True("Shift+F8: \"3\" selected", input.Press(VK_F8, VK_SHIFT) && selects(15, 16));
    check.Equal("the result box's caret", program.Selection16(IDC_RESULT).first, 71);

    // "sqr(4)" removed with Backspace from its line's end, and its line end with it.
    check.True("end of \"sqr(4)\" clicked", input.ClickAt(expression, LineEndPoint(expression, 1)));
    for (int i = 0; i < 7; ++i) input.Press(VK_BACK);
    check.True("the line removed",
               WaitUntil([&] { return program.Text(IDC_EXPRESSION) == "1+1\r\n2 3\r\n1/0"; }));
    input.Press(VK_F8);
    input.Press(VK_F8, VK_SHIFT);
    // Typed after the keys: it goes in at the caret, over nothing selected.
    check.True("typed after F8 and Shift+F8", input.Type(L"+"));
    check.Equal("nothing was selected", program.Text(IDC_EXPRESSION), "1+1+\r\n2 3\r\n1/0");
}

}  // namespace

void RunJourneyTests(TestContext& context) {
    for (const Journey& journey : kJourneys) RunJourney(context.check, context, journey);
    RunKeyboardJourney(context.check, context);
    RunNoteJourney(context.check, context);
}
