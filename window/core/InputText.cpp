#include "InputText.h"

void InputTextDecoder::Feed(std::string_view bytes, std::string& text) {
    if (m_ended) return;
    text.reserve(text.size() + bytes.size());
    for (const char c : bytes) {
        if (c == '\x1a' || c == '\0') {
            m_ended = true;
            return;
        }
        // A CR LF pair reads as one line end and is loaded as CR LF again; a
        // lone LF becomes CR LF; a lone CR stays.
        if (c == '\n' && !m_afterCR) text += '\r';
        text += c;
        m_afterCR = (c == '\r');
    }
}

std::string DecodeInputText(std::string_view bytes) {
    std::string text;
    InputTextDecoder decoder;
    decoder.Feed(bytes, text);
    return text;
}
