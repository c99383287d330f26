// The running program's own file and the programs it starts.
#pragma once

#include <string>

namespace quorvane::window::win32 {

// The full path of the running program's executable file.
std::string ModuleFilePath();

// Starts the system text editor on the file and does not wait for it. The
// path goes to the editor as one quoted argument; no shell is involved.
void StartTextEditor(const std::string& path);

}  // namespace quorvane::window::win32
