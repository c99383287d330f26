// The keypad: each of the 36 buttons at a caret on the second line, presses
// one after another, a selection made either way, Chinese text before the
// caret, presses after other controls were used, and a text longer than
// 65,535 characters, where the caret index must not wrap.
#include "ProgramWindows.h"
#include "QuorvaneProcess.h"
#include "TestGroups.h"
#include "UserInput.h"
#include "resource.h"

namespace {

// The expression box holds `text` and has the focus, with the selection from
// `anchor` to `caret`, as after the user's typing.
void PrepareExpression(QuorvaneProcess& program, std::string_view text, DWORD anchor, DWORD caret) {
    program.SetText(IDC_EXPRESSION, text);
    program.FocusOn(IDC_EXPRESSION);
    program.Select(IDC_EXPRESSION, anchor, caret);
}

// Presses a key and checks the text, that the caret stands at `caret` with
// nothing selected, and that the focus is back in the expression box.
void CheckPress(Checker& check, QuorvaneProcess& program, int key, std::string_view text,
                std::size_t caret) {
    const Interaction press = program.Click(key);
    check.True("handled", press.returned);
    check.Equal("messages", static_cast<long long>(press.messages.size()), 0);
    check.Equal("expression box", program.Text(IDC_EXPRESSION), text);
    const auto [start, end] = program.Selection16(IDC_EXPRESSION);
    check.Equal("caret (16 bits)", start, static_cast<long long>(caret & 0xFFFF));
    check.Equal("nothing selected", end, start);
    check.True("focus back in the expression box",
               program.Focus() == program.Control(IDC_EXPRESSION));
}

struct KeyCase {
    int id;
    const char* caption;
    const char* text;    // the expression afterwards
    std::size_t caret;   // the caret afterwards
    const char* result;  // the result box afterwards
};

// Every key, pressed with "1", CR LF, "2" in the box and the caret at the
// start of the second line (index 3); the result box held "R".
constexpr KeyCase kKeys[] = {
    {IDC_KEY_BACKSPACE, "Backspace", "1\r2", 2, "R"},
    {IDC_KEY_CLEAR, "C", "", 0, ""},
    {IDC_KEY_EQUALS, "=", "1\r\n2", 3, "1.00   \r\n2.00   \r\n"},
    {IDC_KEY_0, "0", "1\r\n02", 4, "R"},
    {IDC_KEY_1, "1", "1\r\n12", 4, "R"},
    {IDC_KEY_2, "2", "1\r\n22", 4, "R"},
    {IDC_KEY_3, "3", "1\r\n32", 4, "R"},
    {IDC_KEY_4, "4", "1\r\n42", 4, "R"},
    {IDC_KEY_5, "5", "1\r\n52", 4, "R"},
    {IDC_KEY_6, "6", "1\r\n62", 4, "R"},
    {IDC_KEY_7, "7", "1\r\n72", 4, "R"},
    {IDC_KEY_8, "8", "1\r\n82", 4, "R"},
    {IDC_KEY_9, "9", "1\r\n92", 4, "R"},
    {IDC_KEY_DIVIDE, "/", "1\r\n/2", 4, "R"},
    {IDC_KEY_MULTIPLY, "*", "1\r\n*2", 4, "R"},
    {IDC_KEY_PERCENT, "%", "1\r\n%2", 4, "R"},
    {IDC_KEY_MINUS, "-", "1\r\n-2", 4, "R"},
    {IDC_KEY_PLUS, "+", "1\r\n+2", 4, "R"},
    {IDC_KEY_POINT, ".", "1\r\n.2", 4, "R"},
    {IDC_KEY_OPEN_PAREN, "(", "1\r\n(2", 4, "R"},
    {IDC_KEY_CLOSE_PAREN, ")", "1\r\n)2", 4, "R"},
    {IDC_KEY_RECIPROCAL, "1/x", "1\r\n1/x2", 4, "R"},
    {IDC_KEY_SIGN, "+/-", "1\r\n-2", 4, "R"},
    {IDC_KEY_SQRT, "sqrt", "1\r\nsqrt()2", 8, "R"},
    {IDC_KEY_ABS, "abs", "1\r\nabs()2", 7, "R"},
    {IDC_KEY_ACOS, "acos", "1\r\nacos()2", 8, "R"},
    {IDC_KEY_ASIN, "asin", "1\r\nasin()2", 8, "R"},
    {IDC_KEY_ATAN, "atan", "1\r\natan()2", 8, "R"},
    {IDC_KEY_ATAN2, "atan2", "1\r\natan2()2", 9, "R"},
    {IDC_KEY_CEIL, "ceil", "1\r\nceil()2", 8, "R"},
    {IDC_KEY_EXP, "exp", "1\r\nexp()2", 7, "R"},
    {IDC_KEY_LOG, "log", "1\r\nlog()2", 7, "R"},
    {IDC_KEY_POW, "pow", "1\r\npow(,)2", 7, "R"},
    {IDC_KEY_SIN, "sin", "1\r\nsin()2", 7, "R"},
    {IDC_KEY_TAN, "tan", "1\r\ntan()2", 7, "R"},
    {IDC_KEY_TANH, "tanh", "1\r\ntanh()2", 8, "R"},
};

// One press after another on a box that starts with `text`, the caret at
// `caret`. Carets are positions of the edit control, which counts a Chinese
// character (two bytes of code page 936 in the text) as one.
struct SequenceCase {
    const char* name;
    const char* text;
    DWORD caret;
    int keys[2];  // 0: no second press
    const char* after;
    std::size_t caretAfter;
};

constexpr SequenceCase kSequences[] = {
    {"sqrt then 9 in an empty box", "", 0, {IDC_KEY_SQRT, IDC_KEY_9}, "sqrt(9)", 6},
    {"pow leaves the caret before the comma", "", 0, {IDC_KEY_POW, 0}, "pow(,)", 4},
    {"1/x leaves the caret after the 1", "", 0, {IDC_KEY_RECIPROCAL, 0}, "1/x", 1},
    {"+/- after 5 appends a minus", "", 0, {IDC_KEY_5, IDC_KEY_SIGN}, "5-", 2},
    {"Backspace at the start changes nothing", "12", 0, {IDC_KEY_BACKSPACE, 0}, "12", 0},
    {"Backspace after a line break removes the LF only",
     "ab\r\ncd",
     4,
     {IDC_KEY_BACKSPACE, 0},
     "ab\rcd",
     3},
    {"Backspace twice after a line break removes the CR too",
     "ab\r\ncd",
     4,
     {IDC_KEY_BACKSPACE, IDC_KEY_BACKSPACE},
     "abcd",
     2},
    {"\"7\" on the line below a Chinese comment",
     "// \xD6\xD0\xCE\xC4\r\n12",
     8,
     {IDC_KEY_7, 0},
     "// \xD6\xD0\xCE\xC4\r\n172",
     9},
    {"Backspace after a Chinese character removes it whole",
     "// \xD6\xD0\xCE\xC4",
     5,
     {IDC_KEY_BACKSPACE, 0},
     "// \xD6\xD0",
     4},
};

// Another control used between the caret's placing and the press, which
// must not move the caret: the press still goes in where the caret stood.
struct RouteCase {
    const char* name;
    int control;
};

constexpr RouteCase kRoutes[] = {
    {"\"&Calc\"", IDOK},
    {"\"&Input From\" ticked", IDC_INPUT_FROM},
    {"the open dialog cancelled", IDC_BROWSE_INPUT},
    {"\"&Input From\" cleared", IDC_INPUT_FROM},
    {"the help message closed", IDC_HELP_BUTTON},
};

// A selection, made with the caret at either end.
struct SelectionCase {
    const char* name;
    DWORD anchor;
    DWORD caret;
    const char* after;
    std::size_t caretAfter;
};

constexpr SelectionCase kSelections[] = {
    {"selection with the caret at its end", 8, 10, "12345\r\n678+90", 11},
    {"selection with the caret at its start", 10, 8, "12345\r\n6+7890", 9},
};

void RunKeyTable(Checker& check, QuorvaneProcess& program) {
    for (const KeyCase& key : kKeys) {
        check.Case(std::string("keypad: \"") + key.caption + "\" at the start of the second line");
        check.Equal("caption", program.Text(key.id), key.caption);
        program.SetText(IDC_RESULT, "R");
        PrepareExpression(program, "1\r\n2", 3, 3);
        CheckPress(check, program, key.id, key.text, key.caret);
        check.Equal("result box", program.Text(IDC_RESULT), key.result);
    }
}

void RunSequences(Checker& check, QuorvaneProcess& program) {
    for (const SequenceCase& sequence : kSequences) {
        check.Case(std::string("keypad: ") + sequence.name);
        PrepareExpression(program, sequence.text, sequence.caret, sequence.caret);
        if (sequence.keys[1] != 0) program.Click(sequence.keys[0]);
        const int last = sequence.keys[1] != 0 ? sequence.keys[1] : sequence.keys[0];
        CheckPress(check, program, last, sequence.after, sequence.caretAfter);
    }
    for (const SelectionCase& selection : kSelections) {
        check.Case(std::string("keypad: \"+\" on a ") + selection.name);
        PrepareExpression(program, "12345\r\n67890", selection.anchor, selection.caret);
        CheckPress(check, program, IDC_KEY_PLUS, selection.after, selection.caretAfter);
    }
}

void RunRoutes(Checker& check, QuorvaneProcess& program) {
    for (const RouteCase& route : kRoutes) {
        check.Case(std::string("keypad: \"*\" after ") + route.name);
        PrepareExpression(program, "12\r\n345", 5, 5);
        check.True("handled", program.Click(route.control).returned);
        CheckPress(check, program, IDC_KEY_MULTIPLY, "12\r\n3*45", 6);
    }
}

void RunLongText(Checker& check, QuorvaneProcess& program) {
    std::string lines;
    for (int line = 0; line < 14000; ++line) lines += "1+1\r\n";  // 70,000 characters
    std::string chinese = "// ";
    for (int character = 0; character < 1000; ++character) chinese += "\xD6\xD0";
    chinese += "\r\n";  // 1,005 characters of the edit control, 2,005 bytes
    const struct {
        const char* name;
        bool afterChinese;  // the text starts with the Chinese line
        DWORD anchor;
        DWORD caret;
    } kCases[] = {
        {"caret beyond 65,535, nothing selected", false, 69998, 69998},
        {"selection beyond 65,535, caret at its end", false, 66000, 69998},
        {"selection beyond 65,535, caret at its start", false, 69998, 66000},
        {"caret beyond 65,535 below 1,000 Chinese characters", true, 70998, 70998},
    };
    for (const auto& row : kCases) {
        check.Case(std::string("keypad: \"7\" in a 70,000-character text, ") + row.name);
        const std::string text = row.afterChinese ? chinese + lines : lines;
        PrepareExpression(program, text, row.anchor, row.caret);
        const std::size_t at = row.caret + (row.afterChinese ? 1000 : 0);  // in bytes
        const std::string expected = text.substr(0, at) + "7" + text.substr(at);
        CheckPress(check, program, IDC_KEY_7, expected, row.caret + 1);
        // The edit control's limit on its length (32,767 at first) is lifted, else
        // the 7 would come as a whole new text that its undo cannot take back.
        check.True("Ctrl+Z brings the text back", program.FocusComesTo(IDC_EXPRESSION) &&
                                                      UserInput(program).Undo() &&
                                                      program.Text(IDC_EXPRESSION) == text);
    }
}

}  // namespace

void RunKeypadTests(TestContext& context) {
    Checker& check = context.check;
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!CheckStarted(check, program, "keypad")) return;

    RunKeyTable(check, program);
    RunSequences(check, program);
    RunRoutes(check, program);
    RunLongText(check, program);
}
