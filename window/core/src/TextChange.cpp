#include "window/TextChange.h"

#include <algorithm>

namespace quorvane::window {

namespace {

bool InsideLineBreak(std::string_view text, std::size_t cut) {
    return cut > 0 && cut < text.size() && text[cut - 1] == '\r' && text[cut] == '\n';
}

// In UTF-8 a cut is clean unless it falls before a continuation byte or
// inside a line break.
bool CleanUtf8Cut(std::string_view text, std::size_t cut) {
    if (cut >= text.size()) return true;
    return (static_cast<unsigned char>(text[cut]) & 0xC0) != 0x80 && !InsideLineBreak(text, cut);
}

// Where the character at `i` of a double-byte text ends; a line break is one
// character, and a lead byte at the very end is one of its own.
std::size_t NextCharacter(std::string_view text, std::size_t i,
                          batch::LeadBytePredicate isLeadByte) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool pair =
        byte == '\r' ? InsideLineBreak(text, i + 1) : byte >= 0x80 && isLeadByte(byte);
    return std::min(text.size(), i + (pair ? 2 : 1));
}

// The cuts of a double-byte text can only be found by walking it from the
// start: a trail byte may look like a lead byte.
TextChange DoubleByteChange(std::string_view oldText, std::string_view newText, std::size_t prefix,
                            std::size_t suffix, batch::LeadBytePredicate isLeadByte) {
    // The beginning is the same in both texts, and so are its characters; a
    // line break whose LF only the other text has is left out.
    std::size_t start = 0;
    while (start < prefix) {
        const std::size_t next = NextCharacter(oldText, start, isLeadByte);
        if (next > prefix) break;
        start = next;
    }
    if (InsideLineBreak(newText, start)) --start;

    // The end: the longest common end, at most `suffix` long, that begins a
    // character in both texts. The characters of both are visited from
    // `start` on in the order of their distance from the end of their text.
    suffix = std::min({suffix, oldText.size() - start, newText.size() - start});
    std::size_t inOld = start;
    std::size_t inNew = start;
    for (;;) {
        const std::size_t oldDistance = oldText.size() - inOld;
        const std::size_t newDistance = newText.size() - inNew;
        if (oldDistance == newDistance && oldDistance <= suffix) {
            suffix = oldDistance;
            break;
        }
        if (oldDistance >= newDistance) {
            inOld = NextCharacter(oldText, inOld, isLeadByte);
        } else {
            inNew = NextCharacter(newText, inNew, isLeadByte);
        }
    }
    return {start, oldText.size() - suffix - start,
            newText.substr(start, newText.size() - suffix - start)};
}

}  // namespace

TextChange SmallestChange(std::string_view oldText, std::string_view newText,
                          batch::LeadBytePredicate isLeadByte) {
    const std::size_t shorter = std::min(oldText.size(), newText.size());
    const std::size_t prefix = static_cast<std::size_t>(
        std::mismatch(oldText.begin(), oldText.begin() + static_cast<std::ptrdiff_t>(shorter),
                      newText.begin())
            .first -
        oldText.begin());
    if (prefix == oldText.size() && prefix == newText.size()) return {prefix, 0, {}};
    const std::size_t suffix = static_cast<std::size_t>(
        std::mismatch(oldText.rbegin(),
                      oldText.rbegin() + static_cast<std::ptrdiff_t>(shorter - prefix),
                      newText.rbegin())
            .first -
        oldText.rbegin());
    if (isLeadByte != nullptr) {
        return DoubleByteChange(oldText, newText, prefix, suffix, isLeadByte);
    }

    std::size_t start = prefix;
    while (start > 0 && !(CleanUtf8Cut(oldText, start) && CleanUtf8Cut(newText, start))) --start;
    std::size_t end = suffix;
    while (end > 0 && !(CleanUtf8Cut(oldText, oldText.size() - end) &&
                        CleanUtf8Cut(newText, newText.size() - end))) {
        --end;
    }
    return {start, oldText.size() - end - start,
            newText.substr(start, newText.size() - end - start)};
}

}  // namespace quorvane::window
