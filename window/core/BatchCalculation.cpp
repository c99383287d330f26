#include "BatchCalculation.h"

#include "ResultFormat.h"

void AppendResultLine(std::string& resultText, const LineOutcome& outcome) {
    AppendOutcome(resultText, outcome);
    resultText += "   \r\n";
}

void AppendOutputRecord(std::string& outputText, std::string_view line,
                        const LineOutcome& outcome) {
    char value[kValueTextRoom];
    outputText += line;
    outputText += kRecordSeparator;
    outputText += FormatOutcome(outcome, value);
    outputText += kRecordEnd;
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
        AppendResultLine(batch.resultText, outcome);
        AppendOutputRecord(batch.outputText, line, outcome);
        ++batch.lineCount;
        if (outcome.status == LineStatus::Failure) ++batch.failureCount;
    };
    cutter.Feed(text, onLine);
    cutter.Finish(onLine);
    return batch;
}
