// "&Calc" on typed lines: one result per line that has something to
// evaluate, whatever separates the lines; Error for a line that cannot be
// evaluated; Enter in the expression box evaluates too.
#include "ProgramWindows.h"
#include "QuorvaneProcess.h"
#include "TestGroups.h"
#include "resource.h"

namespace {

struct CalcCase {
    const char* name;
    const char* expression;
    const char* result;
};

constexpr CalcCase kCalcCases[] = {
    {"lines with empty lines between", "1+1\r\n\r\nsqrt(16)", "2.00   \r\n4.00   \r\n"},
    {"CR LF, lone LF and lone CR alike", "1\r\n2\n3\r4\r\n\r\n",
     "1.00   \r\n2.00   \r\n3.00   \r\n4.00   \r\n"},
    {"only line breaks: no result", "\r\n\r\n", ""},
    {"a negative value", "-1.5", "-1.50   \r\n"},
    {"lower case names", "pow(2,10)\r\nabs(-3)", "1024.00   \r\n3.00   \r\n"},
    {"a line that cannot be evaluated", "1+\r\n2*3",
     "Error   missing operand (column 2)\r\n6.00   \r\n"},
    {"variables live within their line", "x=3,x*2\r\nx",
     "6.00   \r\n0.00   'X' has no value; taken as 0 (column 1)\r\n"},
    {"a comment line gives no result", "// note\r\n7 // seven", "7.00   \r\n"},
    {"sample of the start-up",
     "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\n\r\n1+1\r\n\r\n5*5+1.6",
     "168.00   \r\n2.00   \r\n26.60   \r\n"},
};

}  // namespace

void RunCalcTests(TestContext& context) {
    Checker& check = context.check;
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!CheckStarted(check, program, "calc")) return;

    for (const CalcCase& row : kCalcCases) {
        check.Case(std::string("calc: ") + row.name);
        program.SetText(IDC_EXPRESSION, row.expression);
        program.SetText(IDC_RESULT, "old");
        const Interaction calc = program.Click(IDOK);
        check.True("handled", calc.returned);
        check.Equal("messages", static_cast<long long>(calc.messages.size()), 0);
        check.Equal("result box", program.Text(IDC_RESULT), row.result);
        check.Equal("expression box keeps the typed text", program.Text(IDC_EXPRESSION),
                    row.expression);
    }

    check.Case("calc: Enter in the expression box evaluates, adds no line");
    program.SetText(IDC_EXPRESSION, "2*21");
    program.SetText(IDC_RESULT, "");
    program.FocusOn(IDC_EXPRESSION);
    PressKey(program.Control(IDC_EXPRESSION), VK_RETURN);
    check.True("a result came", WaitUntil([&] { return !program.Text(IDC_RESULT).empty(); }));
    check.Equal("result box", program.Text(IDC_RESULT), "42.00   \r\n");
    check.Equal("expression box", program.Text(IDC_EXPRESSION), "2*21");
}
