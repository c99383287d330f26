#include "CommandLine.h"

#include <algorithm>

namespace quorvane::cli {

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Takes the value of -j or --jobs: a positive whole number, of which more
// than kMostJobs counts as kMostJobs.
bool SetJobs(CommandLine& line, const std::string& option, const std::string& value,
             std::string& error) {
    std::size_t jobs = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') {
            jobs = 0;
            break;
        }
        jobs = std::min(10 * jobs + static_cast<std::size_t>(c - '0'), kMostJobs);
    }
    if (jobs == 0) {
        error = "option " + Quoted(option) + " needs a positive whole number, not " + Quoted(value);
        return false;
    }
    line.jobs = jobs;
    return true;
}

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
        } else if (arg == "--no-warnings" || arg == "-w") {
            line.noWarnings = true;
        } else if (arg == "-o") {
            if (line.output) {
                error = "option '-o' given more than once";
                return std::nullopt;
            }
            if (i + 1 >= args.size()) {
                error = "option '-o' needs a file name";
                return std::nullopt;
            }
            if (args[i + 1] == "-") {
                error = "option '-o' needs a file name, not '-': the values go to standard output";
                return std::nullopt;
            }
            line.output = args[++i];
        } else if (arg == "-j" || arg == "--jobs") {
            if (i + 1 >= args.size()) {
                error = "option " + Quoted(arg) + " needs a number of jobs";
                return std::nullopt;
            }
            if (!SetJobs(line, arg, args[++i], error)) return std::nullopt;
        } else if (arg.starts_with("--jobs=")) {
            if (!SetJobs(line, "--jobs", arg.substr(7), error)) return std::nullopt;
        } else if (arg.starts_with("-j")) {
            if (!SetJobs(line, "-j", arg.substr(2), error)) return std::nullopt;
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
