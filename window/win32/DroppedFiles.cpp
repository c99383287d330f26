#include "DroppedFiles.h"

#include <shellapi.h>

#include "Utf8Text.h"

namespace quorvane::window::win32 {

namespace {

struct ShellDropFunctions {
    decltype(&DragAcceptFiles) acceptFiles = nullptr;
    decltype(&DragQueryFileW) queryFile = nullptr;
    decltype(&DragFinish) finish = nullptr;
};

template <typename Function>
Function Find(HMODULE module, const char* name) {
    // Through the type of a function without arguments, which stands for any.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const ShellDropFunctions& Shell() {
    static const ShellDropFunctions functions = [] {
        ShellDropFunctions found;
        // A known system library: it is always taken from the system folder.
        if (HMODULE shell = LoadLibraryW(L"shell32.dll")) {
            found.acceptFiles = Find<decltype(found.acceptFiles)>(shell, "DragAcceptFiles");
            found.queryFile = Find<decltype(found.queryFile)>(shell, "DragQueryFileW");
            found.finish = Find<decltype(found.finish)>(shell, "DragFinish");
        }
        return found;
    }();
    return functions;
}

constexpr UINT kFileCount = 0xFFFFFFFF;  // asks DragQueryFile for the number of files

}  // namespace

void AcceptDroppedFiles(HWND window) {
    if (Shell().acceptFiles != nullptr) Shell().acceptFiles(window, TRUE);
}

std::vector<std::string> TakeDroppedFiles(HDROP drop) {
    const ShellDropFunctions& shell = Shell();
    std::vector<std::string> files;
    if (shell.queryFile == nullptr || shell.finish == nullptr) return files;
    // Read in UTF-16, the form in which the shell gives the names, and turned
    // into the ANSI code page here: the length that DragQueryFileA tells for
    // such a name is not its length in bytes on every system.
    const UINT count = shell.queryFile(drop, kFileCount, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(shell.queryFile(drop, i, nullptr, 0) + std::size_t{1}, L'\0');
        name.resize(shell.queryFile(drop, i, name.data(), static_cast<UINT>(name.size())));
        // An entry without a name is no file: some systems read a drop that
        // holds no name as holding one empty name.
        if (!name.empty()) files.push_back(CodePageFromWide(name, CP_ACP));
    }
    shell.finish(drop);
    return files;
}

}  // namespace quorvane::window::win32
