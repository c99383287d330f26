// The common open and save dialogs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "window/DialogWindow.h"

namespace quorvane::window::win32 {

// Runs the file dialog of the request, owned by `owner`; the chosen full path,
// or nothing when the user cancels.
std::optional<std::string> RunFileDialog(HWND owner, const FileDialogRequest& request);

}  // namespace quorvane::window::win32
