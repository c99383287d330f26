// Times the Windows program on a large input file, driven from outside as
// the end-to-end tests drive it: the file loaded through "&Input From" by
// "&Calc", one keypad press with all its lines in the expression box, then
// a second "&Calc" from the box with "&Output To", whose file must hold
// every record of the edited text. For comparison it times the edit
// controls' own cost of taking the two texts: the dialog's template made in
// this process and one SetWindowText for each box.
// Prints one line: lines, seconds of "&Calc" (on the clock, and of the
// program's processor time), milliseconds of a keypad press (median of five,
// the same two ways), peak working set of the program in KiB, seconds of
// the two SetWindowText alone, and whether the box and the output file held what
// they should.
//   quorvane_win32_bench INPUT-FILE PATH-OF-Quorvane.exe
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "ProgramWindows.h"
#include "QuorvaneProcess.h"
#include "TestFolder.h"
#include "batch/BatchCalculation.h"
#include "batch/InputText.h"
#include "batch/OutputFile.h"
#include "resource.h"

namespace {

constexpr UINT kLongHandlingMs = 3600000;
constexpr int kPresses = 5;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Paints what is left to paint in the window and its controls.
void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendWithTimeout(window, WM_NULL, 0, 0);
}

// The processor time a process has used, in seconds.
double ProcessorSeconds(HANDLE process) {
    FILETIME created{}, ended{}, kernel{}, user{};
    GetProcessTimes(process, &created, &ended, &kernel, &user);
    auto seconds = [](FILETIME time) {
        return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

struct Timing {
    double wall;       // seconds
    double processor;  // seconds of the program's processor time
};

// Clicks a button of the program and waits until the click is handled and painted.
Timing TimedClick(const QuorvaneProcess& program, int id) {
    const Clock::time_point start = Clock::now();
    const double processor = ProcessorSeconds(program.Process());
    DWORD_PTR result = 0;
    SendMessageTimeoutW(program.Control(id), BM_CLICK, 0, 0, SMTO_NORMAL, kLongHandlingMs, &result);
    PaintNow(program.Dialog());
    return {SecondsSince(start), ProcessorSeconds(program.Process()) - processor};
}

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The seconds that the main dialog's two boxes take to show the texts, set
// once each, in a dialog of the program's template that does nothing else.
double OwnSetTextCost(const std::string& programPath, const std::string& expression,
                      const std::string& results) {
    HMODULE module = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HWND dialog =
        CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_QUORVANE_DIALOG), nullptr, PlainDialog, 0);
    if (dialog == nullptr) return -1;
    ShowWindow(dialog, SW_SHOW);
    PaintNow(dialog);
    const Clock::time_point start = Clock::now();
    SetDlgItemTextA(dialog, IDC_EXPRESSION, expression.c_str());
    SetDlgItemTextA(dialog, IDC_RESULT, results.c_str());
    PaintNow(dialog);
    const double seconds = SecondsSince(start);
    DestroyWindow(dialog);
    FreeLibrary(module);
    return seconds;
}

bool IsLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: quorvane_win32_bench INPUT-FILE PATH-OF-Quorvane.exe\n", stderr);
        return 2;
    }
    const std::string input = argv[1];
    TestFolder folder;
    QuorvaneProcess program(argv[2], folder.Path());
    if (!program.Started()) return 1;

    program.SetChecked(IDC_INPUT_FROM, true);
    program.SetText(IDC_INPUT_FILE, input);
    const Timing calc = TimedClick(program, IDOK);

    // The presses go in the middle of the text; afterwards the box must hold
    // the file's text with the digits there.
    const std::string loaded = program.Text(IDC_EXPRESSION);
    const auto caret = static_cast<DWORD>(loaded.size() / 2);
    program.FocusOn(IDC_EXPRESSION);
    program.Select(IDC_EXPRESSION, caret, caret);
    std::vector<Timing> presses;
    for (int press = 0; press < kPresses; ++press)
        presses.push_back(TimedClick(program, IDC_KEY_7));
    std::sort(presses.begin(), presses.end(),
              [](const Timing& a, const Timing& b) { return a.wall < b.wall; });
    std::string expected = quorvane::batch::DecodeInputText(FileBytes(input));
    expected.insert(caret, std::string(kPresses, '7'));

    program.SetChecked(IDC_INPUT_FROM, false);
    program.SetChecked(IDC_OUTPUT_TO, true);
    program.SetText(IDC_OUTPUT_FILE, folder.File("out.txt"));
    TimedClick(program, IDOK);
    CloseEditorShowing("out.txt");
    const std::string box = program.Text(IDC_EXPRESSION);
    const bool complete =
        box == expected &&
        folder.Read("out.txt").value_or("") ==
            quorvane::batch::OutputFileBytes(quorvane::batch::RunBatch(box, IsLeadByte).outputText);

    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(program.Process(), &memory, sizeof memory);
    const double own = OwnSetTextCost(argv[2], loaded, program.Text(IDC_RESULT));
    const Timing& press = presses[kPresses / 2];
    std::printf("%zu %.3f %.3f %.1f %.1f %zu %.3f %s\n",
                static_cast<std::size_t>(std::count(loaded.begin(), loaded.end(), '\n')), calc.wall,
                calc.processor, press.wall * 1000, press.processor * 1000,
                memory.PeakWorkingSetSize / 1024, own, complete ? "complete" : "INCOMPLETE");
    return complete ? 0 : 1;
}
