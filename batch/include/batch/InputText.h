// The reading rules of an input file, on bytes. The file is read the way a
// text-mode stream reads it (a CR LF pair is one line end, a lone CR stays),
// a byte 0x1A or a zero byte ends the text, and each line end becomes CR LF
// in the loaded text. Every other byte is kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane::batch {

class InputTextDecoder {
  public:
    // Appends the loaded text of the next block of file bytes to `text`.
    void Feed(std::string_view bytes, std::string& text);
    // True once the end-of-text byte (0x1A or 0) has been met.
    bool Ended() const { return m_ended; }

  private:
    bool m_ended = false;
    bool m_afterCR = false;
};

// The loaded text of a whole file.
std::string DecodeInputText(std::string_view bytes);

// How many of the bytes belong to the text: all of them up to the first byte
// 0x1A or NUL, which ends the text. Loading changes only line ends, so the
// lines of the bytes before that point are the lines of the loaded text.
std::size_t TextLength(std::string_view bytes);

}  // namespace quorvane::batch
