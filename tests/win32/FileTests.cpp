// The file options with real files: the check boxes enable their boxes and
// buttons, the input file's text replaces the expression box, the output
// file holds exactly the records, the editor opens on it, and the file
// dialogs fill the name boxes.
#include <windows.h>

#include "ProgramWindows.h"
#include "QuorvaneProcess.h"
#include "TestGroups.h"
#include "resource.h"

namespace {

// Control ids of the common file dialog.
constexpr int kFileTypeList = 0x470;   // cmb1
constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1

HWND FileNameBox(HWND dialog) {
    if (HWND combo = GetDlgItem(dialog, kFileNameCombo)) return combo;
    return GetDlgItem(dialog, kFileNameEdit);
}

void PostCommand(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// What a file dialog showed, and what was done to it.
struct FileDialogVisit {
    std::wstring typeList;
    std::string initialName;
    int questions = 0;  // "replace the file?" questions answered with Yes
};

// Answers a file dialog: types `path` and presses OK (or presses Cancel when
// `path` is empty), and answers Yes when asked to replace a file.
DialogHandler AnswerFileDialog(FileDialogVisit& visit, const std::string& path) {
    return [&visit, path](HWND dialog) {
        if (GetDlgItem(dialog, IDYES) != nullptr) {
            ++visit.questions;
            PostCommand(dialog, IDYES);
            return;
        }
        visit.typeList = WideWindowText(GetDlgItem(dialog, kFileTypeList));
        HWND name = FileNameBox(dialog);
        visit.initialName = WindowText(name);
        if (path.empty()) {
            PostCommand(dialog, IDCANCEL);
            return;
        }
        SetWindowTextRemote(name, path);
        PostCommand(dialog, IDOK);
    };
}

void CheckNoMessage(Checker& check, const Interaction& interaction) {
    check.True("handled", interaction.returned);
    check.Equal("messages", static_cast<long long>(interaction.messages.size()), 0);
}

void RunCheckBoxes(Checker& check, QuorvaneProcess& program) {
    check.Case("files: each check box enables its own box and button, and keeps the name");
    program.SetChecked(IDC_INPUT_FROM, true);
    check.True("input box enabled", program.IsEnabled(IDC_INPUT_FILE));
    check.True("input \"...\" enabled", program.IsEnabled(IDC_BROWSE_INPUT));
    check.True("output box still disabled", !program.IsEnabled(IDC_OUTPUT_FILE));
    check.True("output \"...\" still disabled", !program.IsEnabled(IDC_BROWSE_OUTPUT));
    program.SetText(IDC_INPUT_FILE, "kept.txt");
    program.SetChecked(IDC_INPUT_FROM, false);
    check.True("input box disabled again", !program.IsEnabled(IDC_INPUT_FILE));
    check.True("input \"...\" disabled again", !program.IsEnabled(IDC_BROWSE_INPUT));
    check.Equal("name kept", program.Text(IDC_INPUT_FILE), "kept.txt");
    program.SetChecked(IDC_OUTPUT_TO, true);
    check.True("output box enabled", program.IsEnabled(IDC_OUTPUT_FILE));
    check.True("output \"...\" enabled", program.IsEnabled(IDC_BROWSE_OUTPUT));
    check.True("input box stays disabled", !program.IsEnabled(IDC_INPUT_FILE));
    program.SetChecked(IDC_OUTPUT_TO, false);
}

// Typed or read lines, evaluated with the output file on: its exact bytes.
struct OutputCase {
    const char* name;
    const char* typed;       // the expression box; ignored with an input file
    const char* inputFile;   // bytes of the input file; null: none
    const char* expression;  // the expression box afterwards
    const char* result;
    const char* output;  // bytes of the output file
};

constexpr OutputCase kOutputCases[] = {
    {"typed lines to the output file", "1+1\r\n\r\nsqrt(16)", nullptr, "1+1\r\n\r\nsqrt(16)",
     "2.00   \r\n4.00   \r\n", "1+1 = 2.00\r\r\n\r\r\nSQRT(16) = 4.00\r\r\n\r\r\n\r\n"},
    {"only line breaks: the file holds one line end", "\r\n", nullptr, "\r\n", "", "\r\n"},
    {"an Error line is recorded", "1+\r\n-1.5", nullptr, "1+\r\n-1.5",
     "Error   missing operand (column 2)\r\n-1.50   \r\n",
     "1+ = Error\r\r\n\r\r\n-1.5 = -1.50\r\r\n\r\r\n\r\n"},
    {"the input file's lines, LF and CR LF, end at Ctrl+Z", "typed",
     "2*3\n\n7-10\r\nsqrt(81)\x1a"
     "9+9\n",
     "2*3\r\n\r\n7-10\r\nsqrt(81)", "6.00   \r\n-3.00   \r\n9.00   \r\n",
     "2*3 = 6.00\r\r\n\r\r\n7-10 = -3.00\r\r\n\r\r\nSQRT(81) = 9.00\r\r\n\r\r\n\r\n"},
    {"an empty input file empties both boxes", "typed", "", "", "", "\r\n"},
    {"double-byte text keeps its trail bytes when upper-cased", "1+2 //\x81\x61", nullptr,
     "1+2 //\x81\x61", "3.00   \r\n", "1+2 //\x81\x61 = 3.00\r\r\n\r\r\n\r\n"},
};

void RunOutputCases(Checker& check, QuorvaneProcess& program, const TestFolder& folder) {
    const std::string output = folder.File("out file.txt");
    const std::string input = folder.File("in file.txt");
    for (const OutputCase& row : kOutputCases) {
        check.Case(std::string("files: ") + row.name);
        folder.Remove("out file.txt");
        program.SetChecked(IDC_INPUT_FROM, row.inputFile != nullptr);
        program.SetChecked(IDC_OUTPUT_TO, true);
        if (row.inputFile != nullptr) {
            folder.Write("in file.txt", row.inputFile);
            program.SetText(IDC_INPUT_FILE, input);
        }
        program.SetText(IDC_OUTPUT_FILE, output);
        program.SetText(IDC_EXPRESSION, row.typed);
        CheckNoMessage(check, program.Click(IDOK));
        check.Equal("expression box", program.Text(IDC_EXPRESSION), row.expression);
        check.Equal("result box", program.Text(IDC_RESULT), row.result);
        check.Equal("output file", folder.Read("out file.txt").value_or("(missing)"), row.output);
        check.True("the editor opened on the output file", CloseEditorShowing("out file.txt"));
    }
    program.SetChecked(IDC_INPUT_FROM, false);
    program.SetChecked(IDC_OUTPUT_TO, false);
}

void RunBrowseInput(Checker& check, QuorvaneProcess& program, const TestFolder& folder) {
    const std::string input = folder.File("picked.txt");
    folder.Write("picked.txt", "10/4\r\n");
    program.SetChecked(IDC_INPUT_FROM, true);

    check.Case("files: input \"...\" picks a file and evaluates it at once");
    program.SetText(IDC_EXPRESSION, "typed");
    FileDialogVisit visit;
    const Interaction pick = program.Click(IDC_BROWSE_INPUT, AnswerFileDialog(visit, input));
    CheckNoMessage(check, pick);
    check.Equal("file dialogs", pick.otherDialogs, 1);
    check.Equal("type list", visit.typeList, Wide("txt文件"));
    check.Equal("input file box", program.Text(IDC_INPUT_FILE), input);
    check.Equal("expression box", program.Text(IDC_EXPRESSION), "10/4\r\n");
    check.Equal("result box", program.Text(IDC_RESULT), "2.50   \r\n");

    check.Case("files: cancelling the open dialog changes nothing");
    program.SetText(IDC_RESULT, "R");
    FileDialogVisit cancelled;
    CheckNoMessage(check, program.Click(IDC_BROWSE_INPUT, AnswerFileDialog(cancelled, "")));
    check.Equal("input file box", program.Text(IDC_INPUT_FILE), input);
    check.Equal("result box", program.Text(IDC_RESULT), "R");
    program.SetChecked(IDC_INPUT_FROM, false);
}

void RunBrowseOutput(Checker& check, QuorvaneProcess& program, const TestFolder& folder) {
    const std::string existing = folder.File("existing.txt");
    folder.Write("existing.txt", "keep");
    program.SetChecked(IDC_OUTPUT_TO, true);
    program.SetText(IDC_OUTPUT_FILE, "");
    program.SetText(IDC_RESULT, "R");

    check.Case("files: output \"...\" offers *.txt, asks before replacing, evaluates nothing");
    FileDialogVisit visit;
    CheckNoMessage(check, program.Click(IDC_BROWSE_OUTPUT, AnswerFileDialog(visit, existing)));
    check.Equal("name offered", visit.initialName, "*.txt");
    check.Equal("type list", visit.typeList, Wide("txt文件"));
    check.Equal("asked to replace", visit.questions, 1);
    check.Equal("output file box", program.Text(IDC_OUTPUT_FILE), existing);
    check.Equal("result box", program.Text(IDC_RESULT), "R");
    check.Equal("file untouched", folder.Read("existing.txt").value_or("(missing)"), "keep");

    check.Case("files: cancelling the save dialog changes nothing");
    FileDialogVisit cancelled;
    CheckNoMessage(check, program.Click(IDC_BROWSE_OUTPUT, AnswerFileDialog(cancelled, "")));
    check.Equal("output file box", program.Text(IDC_OUTPUT_FILE), existing);
    program.SetChecked(IDC_OUTPUT_TO, false);
}

}  // namespace

void RunFileTests(TestContext& context) {
    Checker& check = context.check;
    check.Case("files: the program runs in code page 936");
    check.Equal("ANSI code page", GetACP(), 936);
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!CheckStarted(check, program, "files")) return;

    RunCheckBoxes(check, program);
    RunOutputCases(check, program, context.folder);
    RunBrowseInput(check, program, context.folder);
    RunBrowseOutput(check, program, context.folder);
}
