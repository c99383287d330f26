// The main dialog as it opens: the program running as the machine its file
// is built for, the sample lines already evaluated, both file options off
// with their boxes and buttons disabled, the controls in template order, the
// focus in the expression box.
#include "DialogTemplates.h"
#include "ProgramWindows.h"
#include "QuorvaneProcess.h"
#include "TestGroups.h"

void RunStartupTests(TestContext& context) {
    Checker& check = context.check;

    check.Case("start-up: the main dialog opens");
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!check.True("main dialog \"ExprQuorvane V1.6.5\" shown", program.Started())) return;

    check.Case("start-up: a 32-bit program runs as a 32-bit process, a 64-bit one as 64-bit");
    DWORD binaryType = 0;
    check.True("the program file is a Windows program",
               GetBinaryTypeA(context.program.c_str(), &binaryType) != FALSE);
    BOOL wow64 = FALSE;
    check.True("the process is known", IsWow64Process(program.Process(), &wow64) != FALSE);
    check.Equal("runs in the 32-bit subsystem of the 64-bit driver's system", wow64 != FALSE,
                binaryType == SCS_32BIT_BINARY);

    check.Case("start-up: sample lines and their results");
    check.Equal("expression box", program.Text(IDC_EXPRESSION),
                "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0\r\n\r\n1+1\r\n\r\n5*5+1.6");
    check.Equal("result box", program.Text(IDC_RESULT), "168.00   \r\n2.00   \r\n26.60   \r\n");

    check.Case("start-up: file options off, their boxes and buttons disabled");
    const struct {
        int id;
        const char* name;
        bool enabled;
    } kStates[] = {
        {IDC_INPUT_FILE, "input file box", false},   {IDC_BROWSE_INPUT, "input \"...\"", false},
        {IDC_OUTPUT_FILE, "output file box", false}, {IDC_BROWSE_OUTPUT, "output \"...\"", false},
        {IDC_INPUT_FROM, "\"&Input From\"", true},   {IDC_OUTPUT_TO, "\"&Output To\"", true},
        {IDC_EXPRESSION, "expression box", true},    {IDOK, "\"&Calc\"", true},
    };
    for (const auto& state : kStates) {
        check.Equal(std::string(state.name) + " enabled", program.IsEnabled(state.id),
                    state.enabled);
    }
    check.True("\"&Input From\" clear", !program.IsChecked(IDC_INPUT_FROM));
    check.True("\"&Output To\" clear", !program.IsChecked(IDC_OUTPUT_TO));
    check.Equal("input file name", program.Text(IDC_INPUT_FILE), "");
    check.Equal("output file name", program.Text(IDC_OUTPUT_FILE), "");

    check.Case("start-up: controls in template order, the focus in the expression box");
    const DialogTemplate* expected = FindDialogTemplate(IDD_QUORVANE_DIALOG);
    std::size_t index = 0;
    for (HWND child = GetWindow(program.Dialog(), GW_CHILD);
         child != nullptr && index < expected->controls.size();
         child = GetWindow(child, GW_HWNDNEXT), ++index) {
        check.Equal("control " + std::to_string(index) + " id",
                    static_cast<short>(GetDlgCtrlID(child)), expected->controls[index].id);
    }
    check.Equal("controls", static_cast<long long>(index),
                static_cast<long long>(expected->controls.size()));
    check.True("focus", program.Focus() == program.Control(IDC_EXPRESSION));
}
