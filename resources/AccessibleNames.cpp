#include "AccessibleNames.h"

#include "resource.h"

namespace {

constexpr int kMain = IDD_QUORVANE_DIALOG;

constexpr AccessibleName kNames[] = {
    {kMain, IDC_EXPRESSION, "Expression",
     "One expression per line; Enter calculates, Ctrl+Enter starts a new line"},
    {kMain, IDC_RESULT, "Results", "The value of each expression, one per line"},
    {kMain, IDC_INPUT_FILE, "Input file", "Read when Input From is ticked"},
    {kMain, IDC_OUTPUT_FILE, "Output file", "Written when Output To is ticked"},
    {kMain, IDC_BROWSE_INPUT, "Browse for the input file", ""},
    {kMain, IDC_BROWSE_OUTPUT, "Browse for the output file", ""},
    {kMain, IDC_KEY_OPEN_PAREN, "open parenthesis", ""},
    {kMain, IDC_KEY_CLOSE_PAREN, "close parenthesis", ""},
    {kMain, IDC_KEY_CLEAR, "clear", "Empties the expressions and the results"},
    {kMain, IDC_KEY_DIVIDE, "divide", ""},
    {kMain, IDC_KEY_SQRT, "square root", ""},
    {kMain, IDC_KEY_MULTIPLY, "multiply", ""},
    {kMain, IDC_KEY_PERCENT, "modulo", "Remainder of the division of two whole numbers"},
    {kMain, IDC_KEY_MINUS, "minus", ""},
    {kMain, IDC_KEY_RECIPROCAL, "one over x", "Types 1/x"},
    {kMain, IDC_KEY_SIGN, "minus sign", "Types a minus sign"},
    {kMain, IDC_KEY_POINT, "point", ""},
    {kMain, IDC_KEY_PLUS, "plus", ""},
    {kMain, IDC_KEY_EQUALS, "equals", "Calculates, as Calc does"},
};

}  // namespace

const AccessibleName* FindAccessibleName(int dialogId, int controlId) {
    for (const AccessibleName& entry : kNames) {
        if (entry.dialogId == dialogId && entry.controlId == controlId) return &entry;
    }
    return nullptr;
}
