#include "StreamSink.h"

#include <cstring>
#include <string>

#include "batch/OutputFile.h"
#include "batch/ResultFormat.h"

namespace quorvane::cli {

namespace {

constexpr std::string_view kLineEnd = "\n";  // of a printed value

}  // namespace

StreamSink::StreamSink(BlockWriter& printed, BlockWriter* file, BlockWriter* diagnostics,
                       BlockWriter* warnings, std::string_view inputName)
    : m_printed(printed),
      m_file(file),
      m_diagnostics(diagnostics),
      m_warnings(warnings),
      m_inputName(inputName) {}

// A line holds no LF, so its text goes to disk as it is.
void StreamSink::AddLineText(std::string_view piece) {
    if (m_file != nullptr && !OutputFailed()) m_file->Append(piece);
}

// The value is written once, straight into the printed block, and copied
// from there into the output file's record.
void StreamSink::EndLine(const batch::LineResult& line) {
    if (OutputFailed()) return;
    char* const printed = m_printed.Room(batch::kValueTextRoom + kLineEnd.size());
    const std::string_view value(printed, batch::WriteOutcome(printed, line.outcome));
    std::memcpy(printed + value.size(), kLineEnd.data(), kLineEnd.size());
    m_printed.Take(value.size() + kLineEnd.size());
    if (m_file != nullptr) {
        m_file->Append(line.text, batch::kRecordSeparator, value, batch::kRecordEndBytes);
    }
    if (line.outcome.status != engine::LineStatus::Failure) {
        if (!line.warnings.empty() && m_warnings != nullptr) Warn(line);
        return;
    }
    m_anyFailure = true;
    if (m_diagnostics != nullptr) Diagnose(line);
}

// Once an output has failed, the run stops at the line it failed on: what
// was written then does not hang on how far the input was read beyond it.
bool StreamSink::OutputFailed() const {
    return m_printed.Failed() || (m_file != nullptr && m_file->Failed());
}

void StreamSink::Diagnose(const batch::LineResult& line) {
    std::string place = std::to_string(line.lineNumber);
    if (line.outcome.column > 0) {
        place += ':';
        place += std::to_string(line.outcome.column);
    }
    m_diagnostics->Append("quorvane-cli: ", m_inputName, ":", place, ": ",
                          engine::ReasonText(line.outcome.reason), kLineEnd);
}

// The engine gives a line's warnings in the order they are reported: by column.
void StreamSink::Warn(const batch::LineResult& line) {
    const std::string lineNumber = std::to_string(line.lineNumber);
    for (const engine::LineWarning& warning : line.warnings) {
        m_warnings->Append("quorvane-cli: ", m_inputName, ":", lineNumber, ":",
                           std::to_string(warning.column),
                           ": warning: ", engine::WarningText(warning), kLineEnd);
    }
}

}  // namespace quorvane::cli
