#include "Programs.h"

#include <windows.h>

#include <vector>

namespace quorvane::window::win32 {

std::string ModuleFilePath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD room = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), room);
        if (length < room) return std::string(path.data(), length);
        path.resize(path.size() * 2);  // cut short: ask again with more room
    }
}

void StartTextEditor(const std::string& path) {
    std::string commandLine = "notepad.exe \"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

}  // namespace quorvane::window::win32
