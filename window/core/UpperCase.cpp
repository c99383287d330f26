#include "UpperCase.h"

void UpperCaseText(std::string& text, LeadBytePredicate isLeadByte) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (isLeadByte != nullptr && isLeadByte(c)) {
            ++i;  // the trail byte of a double-byte character
        } else if (c >= 'a' && c <= 'z') {
            text[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
}
