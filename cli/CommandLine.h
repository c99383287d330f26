// The arguments of quorvane-cli: [-q] [-w] [-j N] [-o OUTPUT] [INPUT|-] | --help | --version.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::cli {

struct CommandLine {
    std::string input;                  // empty or "-": standard input
    std::optional<std::string> output;  // the output file, if any
    bool quiet = false;                 // no diagnostics at all
    bool noWarnings = false;            // no warnings for doubtful lines
    std::size_t jobs = 0;               // evaluating threads; 0: one per core the process may use
    bool help = false;
    bool version = false;
};

inline constexpr const char* kUsage =
    "Usage: quorvane-cli [INPUT|-] [-o OUTPUT] [-q] [-w] [-j N]\n"
    "Evaluates one expression per line of INPUT (standard input when absent or -)\n"
    "and prints each value with two decimals, or Error, one per line. Each line\n"
    "that gives Error is reported on standard error: FILE:LINE[:COLUMN]: REASON,\n"
    "and each doubtful spot of a line that has a value (a name with no value, a\n"
    "missing operator, a ')' without '(', an '=' with no name on its left) as\n"
    "FILE:LINE:COLUMN: warning: TEXT.\n"
    "  -o OUTPUT      also write OUTPUT with one record per line: LINE = VALUE\n"
    "  -q, --quiet    report neither the lines that give Error nor the warnings\n"
    "  -w, --no-warnings\n"
    "                 do not report the warnings\n"
    "  -j, --jobs N   evaluate on N threads (default: one per core this process\n"
    "                 may use); the output is the same for every N\n"
    "  -h, --help     show this text\n"
    "      --version  show the version\n"
    "Exit status: 0 every line had a value, 1 some line gave Error,\n"
    "             2 bad usage or a file error.\n";

// The most threads -j starts; a larger N is taken as this many.
inline constexpr std::size_t kMostJobs = 256;

// Parses the arguments after the program name; nothing when they are not
// valid, with `error` saying why.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

}  // namespace quorvane::cli
