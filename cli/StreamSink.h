// What quorvane-cli makes of each evaluated line: its value on standard
// output, one a line, its record in the output file, and for a line that
// gives Error a diagnostic in the form compilers and GNU tools use:
// "quorvane-cli: FILE:LINE[:COLUMN]: REASON".
#pragma once

#include <string_view>

#include "BlockWriter.h"
#include "batch/BatchRunner.h"

namespace quorvane::cli {

class StreamSink : public batch::BatchSink {
  public:
    // `file` is the output file's writer, or null when there is none;
    // `diagnostics` the writer of the diagnostics, or null when they are not
    // wanted; `inputName` names the input in them.
    StreamSink(BlockWriter& printed, BlockWriter* file, BlockWriter* diagnostics,
               std::string_view inputName);

    void AddLineText(std::string_view piece) override;
    void EndLine(const batch::LineResult& line) override;

    // True once a line has given Error.
    bool AnyFailure() const { return m_anyFailure; }

  private:
    bool OutputFailed() const;
    void Diagnose(const batch::LineResult& line);

    BlockWriter& m_printed;
    BlockWriter* m_file;
    BlockWriter* m_diagnostics;
    std::string_view m_inputName;
    bool m_anyFailure = false;
};

}  // namespace quorvane::cli
