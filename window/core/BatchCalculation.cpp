#include "BatchCalculation.h"

#include <cstdint>
#include <cstring>

#include "ResultFormat.h"

using quorvane::engine::EvaluateLineOutcome;

const char* FindLineEnd(const char* p, const char* end) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kLow7 = kOnes * 0x7F;
    // The high bit of each byte of the word that is zero, and only of those.
    auto zeroBytes = [](std::uint64_t word) { return ~(((word & kLow7) + kLow7) | word | kLow7); };
    // Eight bytes at a time while no CR or LF is among them.
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if ((zeroBytes(word ^ (kOnes * '\r')) | zeroBytes(word ^ (kOnes * '\n'))) != 0) break;
    }
    while (p != end && *p != '\r' && *p != '\n') ++p;
    return p;
}

BatchResult RunBatch(std::string_view expressionText, LeadBytePredicate isLeadByte) {
    // The text is zero-terminated text: a NUL ends it.
    std::string text(expressionText.substr(0, expressionText.find('\0')));
    UpperCaseText(text, isLeadByte);

    BatchResult batch;
    LineCutter cutter;
    auto onLine = [&batch](std::string_view line) {
        const LineOutcome outcome = EvaluateLineOutcome(line);
        if (outcome.status == LineStatus::Nothing) return;
        char buffer[kValueTextRoom];
        const std::string_view value = FormatOutcome(outcome, buffer);
        // The result box: "%.2f   \r\n"; the output record: "LINE = %.2f\r\n\r\n".
        batch.resultText.append(value).append("   \r\n");
        batch.outputText.append(line).append(kRecordSeparator).append(value).append(kRecordEnd);
        ++batch.lineCount;
        if (outcome.status == LineStatus::Failure) ++batch.failureCount;
    };
    cutter.Feed(text, onLine);
    cutter.Finish(onLine);
    return batch;
}
