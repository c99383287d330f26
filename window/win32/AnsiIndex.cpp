#include "AnsiIndex.h"

#include <windows.h>

#include <algorithm>

namespace quorvane::window::win32 {

std::size_t AnsiIndexOfUnit(std::wstring_view text, std::size_t unitIndex) {
    const int units = static_cast<int>(std::min(unitIndex, text.size()));
    if (units == 0) return 0;
    // The bytes that the text before the position takes, converted as the
    // ANSI window functions convert the whole text.
    return static_cast<std::size_t>(
        WideCharToMultiByte(CP_ACP, 0, text.data(), units, nullptr, 0, nullptr, nullptr));
}

std::size_t UnitIndexOfAnsi(std::string_view ansiText, std::size_t byteIndex) {
    const int bytes = static_cast<int>(std::min(byteIndex, ansiText.size()));
    if (bytes == 0) return 0;
    return static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, ansiText.data(), bytes, nullptr, 0));
}

}  // namespace quorvane::window::win32
