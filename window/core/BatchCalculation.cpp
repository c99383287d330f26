#include "BatchCalculation.h"

#include "ResultFormat.h"

LineOutcome AppendLineResult(std::string_view line, std::string& resultText,
                             std::string& outputText) {
    const LineOutcome outcome = EvaluateLineOutcome(line);
    if (outcome.status == LineStatus::Nothing) return outcome;
    AppendOutcome(resultText, outcome);
    resultText += "   \r\n";
    outputText += line;
    outputText += " = ";
    AppendOutcome(outputText, outcome);
    outputText += "\r\n\r\n";
    return outcome;
}

BatchResult RunBatch(std::string_view expressionText, LeadBytePredicate isLeadByte) {
    // The text is zero-terminated text: a NUL ends it.
    std::string text(expressionText.substr(0, expressionText.find('\0')));
    UpperCaseText(text, isLeadByte);

    BatchResult batch;
    LineCutter cutter;
    auto onLine = [&batch](std::string_view line) {
        const LineOutcome outcome = AppendLineResult(line, batch.resultText, batch.outputText);
        if (outcome.status == LineStatus::Nothing) return;
        ++batch.lineCount;
        if (outcome.status == LineStatus::Failure) ++batch.failureCount;
    };
    cutter.Feed(text, onLine);
    cutter.Finish(onLine);
    return batch;
}
