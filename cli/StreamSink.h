// What quorvane-cli makes of each evaluated line: its value on standard
// output, one a line, its record in the output file, and its diagnostics in
// the form compilers and GNU tools use: for a line that gives Error
// "quorvane-cli: FILE:LINE[:COLUMN]: REASON", for each warning of a line that
// has a value "quorvane-cli: FILE:LINE:COLUMN: warning: TEXT".
#pragma once

#include <string_view>

#include "BlockWriter.h"
#include "batch/BatchRunner.h"

namespace quorvane::cli {

class StreamSink : public batch::BatchSink {
  public:
    // `file` is the output file's writer, or null when there is none;
    // `diagnostics` the writer of the failures' diagnostics and `warnings`
    // that of the warnings, each null when they are not wanted; `inputName`
    // names the input in them.
    StreamSink(BlockWriter& printed, BlockWriter* file, BlockWriter* diagnostics,
               BlockWriter* warnings, std::string_view inputName);

    void AddLineText(std::string_view piece) override;
    void EndLine(const batch::LineResult& line) override;

    // True once a line has given Error.
    bool AnyFailure() const { return m_anyFailure; }

  private:
    bool OutputFailed() const;
    void Diagnose(const batch::LineResult& line);
    void Warn(const batch::LineResult& line);

    BlockWriter& m_printed;
    BlockWriter* m_file;
    BlockWriter* m_diagnostics;
    BlockWriter* m_warnings;
    std::string_view m_inputName;
    bool m_anyFailure = false;
};

}  // namespace quorvane::cli
