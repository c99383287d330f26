// Every message of the evaluation: its text, the focus afterwards, and what
// the result box holds (unchanged, or the new results when only the output
// file failed).
#include "ProgramWindows.h"
#include "QuorvaneProcess.h"
#include "TestGroups.h"
#include "resource.h"

namespace {

// Names of files in the test folder, or a literal name.
enum class Name { None, Literal, Missing, Folder, InputFile, MissingFolder };

struct MessageCase {
    const char* name;
    const char* expression;
    Name input;                   // None: "&Input From" off
    Name output;                  // None: "&Output To" off
    const char* literal;          // the name for Name::Literal
    const char* message;          // %s stands for the path
    int focus;                    // the control that has the focus afterwards; 0: not looked at
    const char* result;           // the result box afterwards; it held "R"
    const char* expressionAfter;  // the expression box afterwards; null: unchanged
};

constexpr MessageCase kCases[] = {
    {"empty expression box", "", Name::None, Name::None, "", "Please input an expression!",
     IDC_EXPRESSION, "R", nullptr},
    {"empty expression box comes before the input file", "", Name::InputFile, Name::None, "",
     "Please input an expression!", IDC_EXPRESSION, "R", nullptr},
    {"no input file name", "1", Name::Literal, Name::None, "", "Please Input File Name!",
     IDC_INPUT_FILE, "R", nullptr},
    {"missing input file", "1", Name::Missing, Name::None, "",
     "Sorry, Specified File '%s' is Not Exist!", 0, "R", nullptr},
    {"input file name of blanks", "1", Name::Literal, Name::None, "   ",
     "Sorry, Specified File '%s' is Not Exist!", 0, "R", nullptr},
    {"input file that is a folder", "1", Name::Folder, Name::None, "", "Open File '%s' Failed!", 0,
     "R", nullptr},
    {"no output file name", "1+1", Name::None, Name::Literal, "", "Open File '%s' Failed!",
     IDC_OUTPUT_FILE, "2.00   \r\n", nullptr},
    {"output file in a missing folder", "1+1", Name::None, Name::MissingFolder, "",
     "Open File '%s' Failed!", IDC_OUTPUT_FILE, "2.00   \r\n", nullptr},
    {"output file is the input file", "typed", Name::InputFile, Name::InputFile, "",
     "Output File '%s' is the Input File!", IDC_OUTPUT_FILE, "25.00   \r\n", "5*5\r\n"},
};

std::string PathFor(Name name, const MessageCase& row, const TestFolder& folder) {
    switch (name) {
        case Name::Literal:
            return row.literal;
        case Name::Missing:
            return folder.File("missing.txt");
        case Name::Folder:
            return folder.Path();
        case Name::InputFile:
            return folder.File("input.txt");
        case Name::MissingFolder:
            return folder.File("no such folder\\out.txt");
        case Name::None:
            break;
    }
    return "";
}

std::string WithPath(std::string_view message, const std::string& path) {
    std::string text(message);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, path);
    return text;
}

}  // namespace

void RunMessageTests(TestContext& context) {
    Checker& check = context.check;
    const TestFolder& folder = context.folder;
    QuorvaneProcess program(context.program, folder.Path());
    if (!CheckStarted(check, program, "messages")) return;

    for (const MessageCase& row : kCases) {
        check.Case(std::string("messages: ") + row.name);
        folder.Write("input.txt", "5*5\r\n");
        const std::string input = PathFor(row.input, row, folder);
        const std::string output = PathFor(row.output, row, folder);
        program.SetChecked(IDC_INPUT_FROM, row.input != Name::None);
        program.SetChecked(IDC_OUTPUT_TO, row.output != Name::None);
        program.SetText(IDC_INPUT_FILE, input);
        program.SetText(IDC_OUTPUT_FILE, output);
        program.SetText(IDC_EXPRESSION, row.expression);
        program.SetText(IDC_RESULT, "R");

        const Interaction calc = program.Click(IDOK);
        check.True("handled", calc.returned);
        const std::string path = row.output == Name::None ? input : output;
        check.Equal("message", calc.messages.empty() ? "(none)" : calc.messages.front(),
                    WithPath(row.message, path));
        check.Equal("one message", static_cast<long long>(calc.messages.size()), 1);
        check.Equal("expression box", program.Text(IDC_EXPRESSION),
                    row.expressionAfter != nullptr ? row.expressionAfter : row.expression);
        check.Equal("result box", program.Text(IDC_RESULT), row.result);
        if (row.focus != 0) {
            // The focus moves once the box has closed.
            check.True("focus on the control to correct", program.FocusComesTo(row.focus));
        }
        check.True("no missing file created", !folder.Read("missing.txt").has_value());
        check.Equal("input file untouched", folder.Read("input.txt").value_or(""), "5*5\r\n");
    }
}
