// The reading rules, the batch run and the output bytes on arbitrary file
// contents, checking that nothing of the input is lost but what the rules
// drop and that every line gives its result and its record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "batch/BatchCalculation.h"
#include "batch/InputText.h"
#include "batch/LineNote.h"
#include "batch/OutputFile.h"
#include "batch/ResultFormat.h"
#include "batch/UpperCase.h"

namespace {

using namespace quorvane::batch;
using quorvane::engine::EvaluateLineOutcome;
using quorvane::engine::LineOutcome;
using quorvane::engine::LineStatus;

std::string WithoutCR(std::string_view text) {
    std::string kept(text);
    kept.erase(std::remove(kept.begin(), kept.end(), '\r'), kept.end());
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = DecodeInputText(bytes);

    // The text is the file up to its first 0x1A or NUL, with CR LF line ends.
    const std::string_view kept =
        bytes.substr(0, bytes.find_first_of(std::string_view("\x1a\0", 2)));
    FUZZ_CHECK(WithoutCR(text) == WithoutCR(kept));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') FUZZ_CHECK(i > 0 && text[i - 1] == '\r');
    }

    const BatchResult batch = RunBatch(text);
    std::string upper = text;
    UpperCaseText(upper);
    std::string expectedResult;
    std::string expectedOutput;
    std::size_t lines = 0;
    std::vector<quorvane::engine::LineWarning> warnings;
    std::size_t start = 0;
    while (start <= upper.size()) {
        std::size_t end = upper.find_first_of("\r\n", start);
        if (end == std::string::npos) end = upper.size();
        const std::string_view line = std::string_view(upper).substr(start, end - start);
        if (!line.empty()) {
            const LineOutcome outcome = EvaluateLineOutcome(line, warnings);
            if (outcome.status != LineStatus::Nothing) {
                ++lines;
                AppendOutcome(expectedResult, outcome);
                expectedResult.append("   ").append(NoteText(outcome, warnings)).append("\r\n");
                expectedOutput.append(line).append(" = ");
                AppendOutcome(expectedOutput, outcome);
                expectedOutput += "\r\n\r\n";
            }
        }
        start = end + 1;
    }
    FUZZ_CHECK(batch.lineCount == lines);
    FUZZ_CHECK(batch.resultText == expectedResult);
    FUZZ_CHECK(batch.outputText == expectedOutput);

    // On disk every LF of the records has CR CR before it, and the file ends in CR LF.
    const std::string file = OutputFileBytes(batch.outputText);
    FUZZ_CHECK(file.size() >= 2 && file.compare(file.size() - 2, 2, "\r\n") == 0);
    FUZZ_CHECK(static_cast<std::size_t>(std::count(file.begin(), file.end(), '\n')) ==
               2 * lines + 1);
    for (std::size_t i = 0; i + 2 < file.size(); ++i) {
        if (file[i] == '\n') FUZZ_CHECK(file[i - 1] == '\r' && file[i - 2] == '\r');
    }
    return 0;
}
