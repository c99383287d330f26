#include "CommandLineFiles.h"

#include <windows.h>

namespace quorvane::window::win32 {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The name as a full path from the current folder; the name itself where
// the system gives none.
std::string FullPath(const std::string& name) {
    const DWORD room = GetFullPathNameA(name.c_str(), 0, nullptr, nullptr);
    if (room == 0) return name;
    std::string full(room, '\0');
    const DWORD length = GetFullPathNameA(name.c_str(), room, full.data(), nullptr);
    if (length == 0 || length >= room) return name;
    full.resize(length);
    return full;
}

}  // namespace

std::vector<std::string> CommandLineFiles(std::string_view commandLine) {
    std::vector<std::string> files;
    std::size_t at = 0;
    while (at < commandLine.size()) {
        if (IsBlank(commandLine[at])) {
            ++at;
            continue;
        }
        std::string name;
        bool quoted = false;
        for (; at < commandLine.size() && (quoted || !IsBlank(commandLine[at])); ++at) {
            const char c = commandLine[at];
            if (c == '"') {
                quoted = !quoted;
            } else if (IsDBCSLeadByte(static_cast<BYTE>(c)) && at + 1 < commandLine.size()) {
                name += c;
                name += commandLine[++at];
            } else {
                name += c;
            }
        }
        files.push_back(name.empty() ? name : FullPath(name));
    }
    return files;
}

}  // namespace quorvane::window::win32
