// Upper-casing of expression text: only a to z change, and the two bytes of a
// double-byte character of the text's code page are left alone.
#pragma once

#include <string>

// Tells whether a byte starts a double-byte character; null where the code
// page has none.
using LeadBytePredicate = bool (*)(unsigned char);

void UpperCaseText(std::string& text, LeadBytePredicate isLeadByte = nullptr);
