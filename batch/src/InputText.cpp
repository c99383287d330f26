#include "batch/InputText.h"

#include <cstring>

namespace quorvane::batch {

namespace {

// The first byte of [begin, end) equal to c, or end.
const char* Find(const char* begin, const char* end, char c) {
    if (begin == end) return end;
    const void* found = std::memchr(begin, c, static_cast<std::size_t>(end - begin));
    return found != nullptr ? static_cast<const char*>(found) : end;
}

}  // namespace

void InputTextDecoder::Feed(std::string_view bytes, std::string& text) {
    if (m_ended) return;
    const std::size_t length = TextLength(bytes);
    m_ended = length != bytes.size();
    const char* p = bytes.data();
    const char* const end = p + length;

    text.reserve(text.size() + bytes.size());
    while (p != end) {
        // A CR LF pair reads as one line end and is loaded as CR LF again; a
        // lone LF becomes CR LF; a lone CR stays; every other byte is kept.
        const char* lineFeed = Find(p, end, '\n');
        text.append(p, static_cast<std::size_t>(lineFeed - p));
        if (lineFeed == end) {
            m_afterCR = end[-1] == '\r';
            break;
        }
        const bool afterCR = lineFeed != p ? lineFeed[-1] == '\r' : m_afterCR;
        if (!afterCR) text += '\r';
        text += '\n';
        m_afterCR = false;
        p = lineFeed + 1;
    }
}

std::size_t TextLength(std::string_view bytes) {
    const char* begin = bytes.data();
    return static_cast<std::size_t>(Find(begin, Find(begin, begin + bytes.size(), '\x1a'), '\0') -
                                    begin);
}

std::string DecodeInputText(std::string_view bytes) {
    std::string text;
    InputTextDecoder decoder;
    decoder.Feed(bytes, text);
    return text;
}

}  // namespace quorvane::batch
