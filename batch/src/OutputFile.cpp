#include "batch/OutputFile.h"

#include <cstring>

namespace quorvane::batch {

void AppendOutputBytes(std::string& bytes, std::string_view outputText) {
    bytes.reserve(bytes.size() + outputText.size() + outputText.size() / 8);
    const char* p = outputText.data();
    const char* const end = p + outputText.size();
    while (p != end) {
        const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        if (found == nullptr) {
            bytes.append(p, static_cast<std::size_t>(end - p));
            return;
        }
        const char* lineFeed = static_cast<const char*>(found);
        bytes.append(p, static_cast<std::size_t>(lineFeed - p));
        bytes += "\r\n";
        p = lineFeed + 1;
    }
}

std::string OutputFileBytes(std::string_view outputText) {
    std::string bytes;
    AppendOutputBytes(bytes, outputText);
    bytes += kOutputFileEnd;
    return bytes;
}

}  // namespace quorvane::batch
