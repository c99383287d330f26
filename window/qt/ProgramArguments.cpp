#include "ProgramArguments.h"

#include <filesystem>
#include <system_error>

namespace quorvane::window::qt {

namespace {

// The name as a full path from the current folder; the name itself where
// there is none to give (an empty name, no current folder).
std::string FullPath(const std::string& name) {
    if (name.empty()) return name;
    std::error_code failed;
    std::filesystem::path full = std::filesystem::absolute(name, failed);
    return failed ? name : full.string();
}

}  // namespace

std::optional<ProgramArguments> ParseProgramArguments(const std::vector<std::string>& args,
                                                      std::string& error) {
    ProgramArguments arguments;
    bool options = true;
    for (const std::string& arg : args) {
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "--help" || arg == "-h")) {
            arguments.help = true;
        } else if (options && arg == "--version") {
            arguments.version = true;
        } else if (options && arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else {
            arguments.files.push_back(FullPath(arg));
        }
    }
    return arguments;
}

}  // namespace quorvane::window::qt
