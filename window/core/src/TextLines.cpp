#include "window/TextLines.h"

namespace quorvane::window {

namespace {

// The index of the first CR or LF at or after `from`, or the text's size.
std::size_t NextLineEnd(std::string_view text, std::size_t from) {
    while (from < text.size() && text[from] != '\r' && text[from] != '\n') ++from;
    return from;
}

// The index just after the line end at `end`: a CR LF pair is one line end.
std::size_t AfterLineEnd(std::string_view text, std::size_t end) {
    return text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2 : end + 1;
}

}  // namespace

std::optional<TextLine> FindLine(std::string_view text, std::size_t lineNumber) {
    if (lineNumber == 0) return std::nullopt;
    std::size_t start = 0;
    for (std::size_t number = 1; number < lineNumber; ++number) {
        const std::size_t end = NextLineEnd(text, start);
        if (end == text.size()) return std::nullopt;
        start = AfterLineEnd(text, end);
    }
    return TextLine{start, NextLineEnd(text, start) - start};
}

std::size_t LineNumberAt(std::string_view text, std::size_t index) {
    std::size_t number = 1;
    char previous = '\0';
    for (const char c : text.substr(0, index)) {
        // The LF of a CR LF pair ends no line of its own.
        if (c == '\r' || (c == '\n' && previous != '\r')) ++number;
        previous = c;
    }
    return number;
}

std::optional<TextLine> SameLine(std::string_view text, std::string_view other,
                                 std::size_t lineNumber) {
    const std::optional<TextLine> line = FindLine(text, lineNumber);
    const std::optional<TextLine> otherLine = FindLine(other, lineNumber);
    if (!line || !otherLine ||
        text.substr(line->start, line->length) !=
            other.substr(otherLine->start, otherLine->length)) {
        return std::nullopt;
    }
    return line;
}

}  // namespace quorvane::window
