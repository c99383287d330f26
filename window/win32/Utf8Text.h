// Conversion of the program's own UTF-8 texts (resource tables, fixed texts)
// to and from the UTF-16 of the wide window functions, and of UTF-8 and
// UTF-16 texts to the bytes of a code page for the ANSI functions.
#pragma once

#include <string>
#include <string_view>

namespace quorvane::window::win32 {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
std::string CodePageFromUtf8(std::string_view text, unsigned codePage);
// A character that the code page lacks becomes its default character, '?'.
std::string CodePageFromWide(std::wstring_view text, unsigned codePage);

}  // namespace quorvane::window::win32
