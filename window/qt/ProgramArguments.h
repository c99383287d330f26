// The arguments of the window program: quorvane [FILE]... | --help | --version.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane::window::qt {

struct ProgramArguments {
    // The files named, in the order given, each as a full path from the
    // current folder; the dialog takes the first as its input file.
    std::vector<std::string> files;
    bool help = false;
    bool version = false;
};

inline constexpr const char* kUsage =
    "Usage: quorvane [FILE]\n"
    "Opens the Quorvane calculator's window. With FILE, the window takes it as its\n"
    "input file, as if it had been picked with the input file's \"...\" button:\n"
    "\"Input From\" is ticked, FILE is named in its box and its expressions are\n"
    "evaluated at once. Of several files, the first is taken.\n"
    "  -h, --help     show this text\n"
    "      --version  show the version\n"
    "  --             the arguments after it are files, also when they begin with -\n";

// Parses the arguments after the program name; nothing when they are not
// valid, with `error` saying why.
std::optional<ProgramArguments> ParseProgramArguments(const std::vector<std::string>& args,
                                                      std::string& error);

}  // namespace quorvane::window::qt
