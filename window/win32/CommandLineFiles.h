// The files named on the program's command line, as WinMain gets it: the
// arguments after the program's name, in the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane::window::win32 {

// The names on the command line, in order, each as a full path from the
// current folder. Blanks and tabs separate the names; double quotes group a
// name with blanks, as Explorer writes one ("C:\My files\sums.txt"), and are
// not part of it. A backslash is always a character of the name, also before
// a quote: a name cannot hold a quote. The second byte of a double-byte
// character is never taken for a blank or a quote.
std::vector<std::string> CommandLineFiles(std::string_view commandLine);

}  // namespace quorvane::window::win32
