#include "CommandLine.h"

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool haveInput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "-o") {
            if (i + 1 >= args.size() || line.output) return std::nullopt;
            line.output = args[++i];
        } else if (arg == "-" || arg.empty() || arg[0] != '-') {
            if (haveInput) return std::nullopt;
            line.input = arg;
            haveInput = true;
        } else {
            return std::nullopt;
        }
    }
    return line;
}
