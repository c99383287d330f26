// quorvane-cli: the calculator's batch run on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "BatchTool.h"
#include "CommandLine.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::optional<CommandLine> commandLine = ParseCommandLine(args);
    if (!commandLine) {
        std::fputs(kUsage, stderr);
        return kUsageOrFileError;
    }
    if (commandLine->help) {
        std::fputs(kUsage, stdout);
        return kAllValues;
    }
    return RunBatchTool(*commandLine, stdin, stdout, stderr);
}
