#include "StreamSink.h"

#include "batch/OutputFile.h"

namespace quorvane::cli {

namespace {

constexpr std::string_view kLineEnd = "\n";  // of a printed value

}  // namespace

StreamSink::StreamSink(BlockWriter& printed, BlockWriter* file) : m_printed(printed), m_file(file) {
    batch::AppendOutputBytes(m_recordEnd, batch::kRecordEnd);
}

// A line holds no LF, so its text goes to disk as it is.
void StreamSink::AddLineText(std::string_view piece) {
    if (m_file != nullptr) m_file->Append(piece);
}

void StreamSink::EndLine(const batch::LineResult& line) {
    m_printed.Append(line.value, kLineEnd);
    if (m_file != nullptr) {
        m_file->Append(line.text, batch::kRecordSeparator, line.value, m_recordEnd);
    }
    m_anyFailure |= line.outcome.status == engine::LineStatus::Failure;
}

}  // namespace quorvane::cli
