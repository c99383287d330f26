// Times "&Calc" of the main dialog with "&Input From" on a file of the
// benchmark mix (100,000 lines by default), through the scripted window, and
// counts how often each box is filled during one run.
//   dialog_calc_bench [LINES] [REPEATS]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "MixLines.h"
#include "ScriptedWindow.h"
#include "resource.h"
#include "window/QuorvaneDlg.h"

using quorvane::window::CQuorvaneDlg;
using quorvane::window::scripted::ScriptedWindow;

namespace {

// The scripted window, counting the texts that reach each control, whole or
// as a replaced range (a text the control shows already is not written).
class CountingWindow : public ScriptedWindow {
  public:
    int Fills(int id) const {
        const auto found = m_fills.find(id);
        return found == m_fills.end() ? 0 : found->second;
    }
    void ResetFills() { m_fills.clear(); }

  protected:
    void SetWholeText(int id, std::string_view text) override {
        ++m_fills[id];
        ScriptedWindow::SetWholeText(id, text);
    }
    bool ReplaceText(int id, std::size_t start, std::size_t removedLength,
                     std::string_view inserted) override {
        ++m_fills[id];
        return ScriptedWindow::ReplaceText(id, start, removedLength, inserted);
    }

  private:
    std::map<int, int> m_fills;
};

std::filesystem::path WriteMixFile(long lines) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("quorvane-dialog-bench-" + std::to_string(getpid()) + ".txt");
    std::mt19937_64 random(1);
    std::string text;
    for (long i = 0; i < lines; ++i) {
        AppendMixLine(text, static_cast<std::size_t>(random() % kMixKinds), random);
        text += "\r\n";
    }
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    const long lines = argc > 1 ? std::atol(argv[1]) : 100000;
    const int repeats = std::max(1, argc > 2 ? std::atoi(argv[2]) : 5);
    const std::filesystem::path input = WriteMixFile(lines);

    CountingWindow window;
    CQuorvaneDlg dialog(window);
    window.Open(dialog);
    window.Click(IDC_INPUT_FROM);
    window.Type(IDC_INPUT_FILE, input.string());

    std::vector<double> seconds;
    for (int run = 0; run < repeats; ++run) {
        window.ResetFills();
        const auto start = std::chrono::steady_clock::now();
        window.Click(IDOK);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::filesystem::remove(input);
    std::sort(seconds.begin(), seconds.end());

    const std::string& results = window.At(IDC_RESULT).text;
    const long resultLines = static_cast<long>(std::count(results.begin(), results.end(), '\n'));
    std::printf(
        "Dialog Calc, Input From %ld lines: %.3f s (median of %d), %ld result lines; "
        "one run fills the result box %d and the expression box %d time(s)\n",
        lines, seconds[seconds.size() / 2], repeats, resultLines, window.Fills(IDC_RESULT),
        window.Fills(IDC_EXPRESSION));
    return resultLines == lines && window.Messages().empty() ? 0 : 1;
}
