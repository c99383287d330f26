#include "AnsiIndex.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace quorvane::window::win32 {

namespace {

// How many of the first `limit` characters are plain ASCII: there a byte and
// a UTF-16 unit are the same character, in every code page, and so are the
// positions of both forms. Before the first other byte no byte can be the
// trail byte of a double-byte character.
std::size_t AsciiLength(std::string_view text, std::size_t limit) {
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(limit, text.size()));
    return static_cast<std::size_t>(
        std::find_if(text.begin(), end,
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) -
        text.begin());
}

// The bytes that the units take, converted as the ANSI window functions
// convert the whole text.
std::size_t AnsiBytesOf(std::wstring_view units) {
    if (units.empty()) return 0;
    return static_cast<std::size_t>(WideCharToMultiByte(
        CP_ACP, 0, units.data(), static_cast<int>(units.size()), nullptr, 0, nullptr, nullptr));
}

}  // namespace

std::size_t AnsiIndexOfUnit(std::string_view ansiText, std::size_t unitIndex) {
    const std::size_t ascii = AsciiLength(ansiText, ansiText.size());
    if (unitIndex <= ascii) return unitIndex;
    const std::string_view rest = ansiText.substr(ascii);
    const int size = static_cast<int>(rest.size());
    std::wstring units(
        static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, rest.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_ACP, 0, rest.data(), size, units.data(), static_cast<int>(units.size()));
    return ascii + AnsiBytesOf(std::wstring_view(units).substr(0, unitIndex - ascii));
}

std::size_t UnitIndexOfAnsi(std::string_view ansiText, std::size_t byteIndex) {
    const std::size_t bytes = std::min(byteIndex, ansiText.size());
    const std::size_t ascii = AsciiLength(ansiText, bytes);
    if (ascii == bytes) return bytes;
    return ascii +
           static_cast<std::size_t>(MultiByteToWideChar(
               CP_ACP, 0, ansiText.data() + ascii, static_cast<int>(bytes - ascii), nullptr, 0));
}

}  // namespace quorvane::window::win32
