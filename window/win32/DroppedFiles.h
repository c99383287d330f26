// Files dropped on a window from the shell: the window says that it takes
// them, and each drop (WM_DROPFILES) gives their names. The three functions
// come from shell32.dll, loaded when first needed rather than imported, so
// that the program's import table stays the set of system libraries it has
// always named.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quorvane::window::win32 {

// Lets the window take dropped files (DragAcceptFiles).
void AcceptDroppedFiles(HWND window);

// The full paths of the drop's files, in the order given, as the program's
// other file names are: in the system's ANSI code page. The drop is released
// (DragFinish).
std::vector<std::string> TakeDroppedFiles(HDROP drop);

}  // namespace quorvane::window::win32
