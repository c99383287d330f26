// The same input file through the dialog ("&Calc" with "&Input From" and
// "&Output To" on) and through quorvane-cli with -o: both must give the same
// result for every line and write the same output file, and quorvane-cli
// must report exactly the lines that give Error.
#include <stdio.h>  // open_memstream
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "BatchTool.h"
#include "CalcFromTo.h"
#include "FuzzCheck.h"
#include "TempFolder.h"
#include "resource.h"

using quorvane::window::scripted::CalcFromTo;
using quorvane::window::scripted::ScriptedWindow;

namespace {

// The fuzzer's files, in a folder removed at exit.
const TempFolder& Folder() {
    static const TempFolder folder;
    return folder;
}

// A stream that gathers what is written to it.
class MemoryStream {
  public:
    MemoryStream() : m_file(open_memstream(&m_data, &m_size)) { FUZZ_CHECK(m_file != nullptr); }
    ~MemoryStream() {
        if (m_file != nullptr) std::fclose(m_file);
        std::free(m_data);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    std::FILE* File() const { return m_file; }
    // Closes the stream; what was written to it.
    std::string Text() {
        std::fclose(m_file);
        m_file = nullptr;
        return std::string(m_data, m_size);
    }

  private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::FILE* m_file;
};

// Every occurrence of `from` in the text replaced with `to`.
std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::size_t Count(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input =
        Folder().Write("input.txt", std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string dialogOutput = Folder().Path("dialog.txt");
    const std::string toolOutput = Folder().Path("tool.txt");

    ScriptedWindow window;
    CalcFromTo(window, input, dialogOutput);
    FUZZ_CHECK(window.Messages().empty());
    const std::string results = window.ControlText(IDC_RESULT);

    quorvane::cli::CommandLine commandLine;
    commandLine.input = input;
    commandLine.output = toolOutput;
    MemoryStream printed;
    MemoryStream errors;
    const quorvane::cli::ExitStatus status =
        quorvane::cli::RunBatchTool(commandLine, nullptr, printed.File(), errors.File());
    const std::string values = printed.Text();
    const std::string diagnostics = errors.Text();

    // One result a line: "%.2f   \r\n" in the dialog, "%.2f\n" from quorvane-cli.
    FUZZ_CHECK(Replaced(results, "   \r\n", "\n") == values);
    FUZZ_CHECK(TempFolder::Read(dialogOutput) == TempFolder::Read(toolOutput));
    const std::size_t failures = Count(values, "Error\n");
    FUZZ_CHECK(status == (failures == 0 ? quorvane::cli::kAllValues : quorvane::cli::kSomeErrors));
    FUZZ_CHECK(Count(diagnostics, "\n") == failures);
    FUZZ_CHECK(Count(diagnostics, "quorvane-cli: " + input + ":") == failures);
    return 0;
}
