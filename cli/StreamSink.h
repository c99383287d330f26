// What quorvane-cli makes of each evaluated line: its value on standard
// output, one a line, and its record in the output file.
#pragma once

#include <string>
#include <string_view>

#include "BlockWriter.h"
#include "batch/BatchRunner.h"

namespace quorvane::cli {

class StreamSink : public batch::BatchSink {
  public:
    // `file` is the output file's writer, or null when there is none.
    StreamSink(BlockWriter& printed, BlockWriter* file);

    void AddLineText(std::string_view piece) override;
    void EndLine(const batch::LineResult& line) override;

    // True once a line has given Error.
    bool AnyFailure() const { return m_anyFailure; }

  private:
    BlockWriter& m_printed;
    BlockWriter* m_file;
    std::string m_recordEnd;  // the end of a record as it goes to disk
    bool m_anyFailure = false;
};

}  // namespace quorvane::cli
