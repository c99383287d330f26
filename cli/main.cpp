// quorvane-cli: the calculator's batch run on the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "BatchTool.h"
#include "CommandLine.h"
#include "quorvane/Version.h"

using namespace quorvane::cli;

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<CommandLine> commandLine = ParseCommandLine(args, error);
    if (!commandLine) {
        std::fprintf(stderr, "quorvane-cli: %s\nTry 'quorvane-cli --help'.\n", error.c_str());
        return kUsageOrFileError;
    }
    if (commandLine->help) return PrintText(kUsage, stdout, stderr);
    if (commandLine->version)
        return PrintText("quorvane-cli " QUORVANE_VERSION "\n", stdout, stderr);
    return RunBatchTool(*commandLine, stdin, stdout, stderr);
}
