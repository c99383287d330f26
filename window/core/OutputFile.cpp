#include "OutputFile.h"

void AppendOutputBytes(std::string& bytes, std::string_view outputText) {
    bytes.reserve(bytes.size() + outputText.size() + outputText.size() / 8);
    for (const char c : outputText) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
}

std::string OutputFileBytes(std::string_view outputText) {
    std::string bytes;
    AppendOutputBytes(bytes, outputText);
    bytes += kOutputFileEnd;
    return bytes;
}
