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

std::size_t Count(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// The values of the result box's lines, each ended by LF: the part of each
// line before the three blanks that end its value.
std::string ValuesOf(std::string_view results) {
    std::string values;
    for (std::size_t start = 0; start < results.size();) {
        std::size_t end = results.find("\r\n", start);
        if (end == std::string_view::npos) end = results.size();
        const std::string_view line = results.substr(start, end - start);
        values.append(line.substr(0, line.find("   "))).append("\n");
        start = end + 2;
    }
    return values;
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

    // One result a line: "%.2f   \r\n" in the dialog, with the line's note,
    // if any, before the line end; "%.2f\n" from quorvane-cli.
    FUZZ_CHECK(ValuesOf(results) == values);
    FUZZ_CHECK(TempFolder::Read(dialogOutput) == TempFolder::Read(toolOutput));
    // A diagnostic a line for each failure and each warning, each naming the input.
    const std::size_t failures = Count(values, "Error\n");
    FUZZ_CHECK(status == (failures == 0 ? quorvane::cli::kAllValues : quorvane::cli::kSomeErrors));
    const std::size_t diagnosticLines = Count(diagnostics, "\n");
    FUZZ_CHECK(diagnosticLines - Count(diagnostics, ": warning: ") == failures);
    FUZZ_CHECK(Count(diagnostics, "quorvane-cli: " + input + ":") == diagnosticLines);
    return 0;
}
