// The arguments of quorvane-cli: [INPUT|-] [-o OUTPUT] | --help.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    std::string input;                  // empty or "-": standard input
    std::optional<std::string> output;  // the output file, if any
    bool help = false;
};

inline constexpr const char* kUsage =
    "Usage: quorvane-cli [INPUT|-] [-o OUTPUT]\n"
    "Evaluates one expression per line of INPUT (standard input when absent or -)\n"
    "and prints each value with two decimals, or Error, one per line.\n"
    "  -o OUTPUT  also write OUTPUT with one record per line: LINE = VALUE\n"
    "  --help     show this text\n"
    "Exit status: 0 every line had a value, 1 some line gave Error,\n"
    "             2 bad usage or a file error.\n";

// Parses the arguments after the program name; nothing when they are not valid.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args);
