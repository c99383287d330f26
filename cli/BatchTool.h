// The streaming batch run of quorvane-cli: reads the input in blocks by the
// input-file reading rules, prints one line per evaluated line and writes the
// output file as it goes, so memory does not grow with the input.
#pragma once

#include <cstdio>
#include <string>

#include "CommandLine.h"

enum ExitStatus { kAllValues = 0, kSomeErrors = 1, kUsageOrFileError = 2 };

// Runs the tool; messages go to `errors`.
ExitStatus RunBatchTool(const CommandLine& commandLine, std::FILE* standardInput,
                        std::FILE* standardOutput, std::FILE* errors);
