#include "FileDialog.h"

#include <vector>

#include "Utf8Text.h"

namespace quorvane::window::win32 {

namespace {

// Room for the chosen path, terminating zero included.
constexpr std::size_t kPathRoom = 4096;

// The program's Chinese texts go to the ANSI functions in the code page of
// its home system, Simplified Chinese.
constexpr unsigned kChineseCodePage = 936;

// The type list: one description and one pattern, each zero-terminated, and
// an empty entry that ends the list. The description is the program's own
// text (UTF-8).
std::string TypeList(const FileDialogRequest& request) {
    std::string list = CodePageFromUtf8(request.typeDescription, kChineseCodePage);
    list += '\0';
    list += request.typePattern;
    list += '\0';
    list += '\0';
    return list;
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogRequest& request) {
    const std::string typeList = TypeList(request);
    std::vector<char> path(kPathRoom, '\0');
    request.initialName.copy(path.data(), path.size() - 1);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = typeList.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = OrNull(request.initialFolder);
    dialog.lpstrDefExt = OrNull(request.defaultExtension);
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (request.overwritePrompt) dialog.Flags |= OFN_OVERWRITEPROMPT;

    const BOOL chosen = request.kind == FileDialogKind::Open ? GetOpenFileNameA(&dialog)
                                                             : GetSaveFileNameA(&dialog);
    if (!chosen) return std::nullopt;
    return std::string(path.data());
}

}  // namespace quorvane::window::win32
