#include "CommandLine.h"

namespace quorvane::cli {

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
    CommandLine line;
    bool haveInput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--quiet" || arg == "-q") {
            line.quiet = true;
        } else if (arg == "-o") {
            if (line.output) {
                error = "option '-o' given more than once";
                return std::nullopt;
            }
            if (i + 1 >= args.size()) {
                error = "option '-o' needs a file name";
                return std::nullopt;
            }
            line.output = args[++i];
        } else if (arg == "-" || arg.empty() || arg[0] != '-') {
            if (haveInput) {
                error = "extra argument " + Quoted(arg);
                return std::nullopt;
            }
            line.input = arg;
            haveInput = true;
        } else {
            error = "unknown option " + Quoted(arg);
            return std::nullopt;
        }
    }
    return line;
}

}  // namespace quorvane::cli
