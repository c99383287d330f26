// quorvane-cli's run: opens the input and the output file, streams the input
// through the batch run and reports what went wrong. Memory does not grow
// with the input.
#pragma once

#include <cstdio>
#include <string_view>

#include "CommandLine.h"
#include "ParallelRun.h"

namespace quorvane::cli {

enum ExitStatus { kAllValues = 0, kSomeErrors = 1, kUsageOrFileError = 2 };

// Prints one of the tool's texts (the usage, the version); a write error is
// reported on `standardError`.
ExitStatus PrintText(std::string_view text, std::FILE* standardOutput, std::FILE* standardError);

// Runs the tool; the diagnostics and messages go to `standardError`. On more
// than one thread the input is read in parts of `partSize` bytes.
ExitStatus RunBatchTool(const CommandLine& commandLine, std::FILE* standardInput,
                        std::FILE* standardOutput, std::FILE* standardError,
                        std::size_t partSize = kPartSize);

}  // namespace quorvane::cli
