#include "batch/BatchCalculation.h"

#include "batch/BatchRunner.h"
#include "batch/OutputFile.h"
#include "batch/ResultFormat.h"

namespace quorvane::batch {

namespace {

// Builds the two texts of the dialog.
class TextSink : public BatchSink {
  public:
    explicit TextSink(BatchResult& batch) : m_batch(batch) {}

    void AddLineText(std::string_view piece) override { m_batch.outputText.append(piece); }

    void EndLine(const LineResult& line) override {
        char valueText[kValueTextRoom];
        const std::string_view value(valueText, WriteOutcome(valueText, line.outcome));
        m_batch.resultText.append(value).append("   ");
        const std::string note = NoteText(line.outcome, line.warnings);
        if (!note.empty()) {
            m_batch.resultText.append(note);
            m_batch.notes.push_back(NoteOf(line));
        }
        m_batch.resultText.append("\r\n");
        m_batch.outputText.append(line.text)
            .append(kRecordSeparator)
            .append(value)
            .append(kRecordEnd);
        ++m_batch.lineCount;
        if (line.outcome.status == engine::LineStatus::Failure) ++m_batch.failureCount;
    }

  private:
    // Where the line's note points: at the failure, or at its first warning.
    LineNote NoteOf(const LineResult& line) const {
        LineNote note{m_batch.lineCount, line.lineNumber, line.outcome.column, 0};
        if (line.outcome.status == engine::LineStatus::Failure) {
            note.tokenLength = engine::TokenLengthAt(line.text, line.outcome.column);
        } else {
            note.column = line.warnings.front().column;
            note.tokenLength = line.warnings.front().length;
        }
        return note;
    }

    BatchResult& m_batch;
};

}  // namespace

BatchResult RunBatch(std::string_view expressionText, LeadBytePredicate isLeadByte) {
    std::string text(expressionText.substr(0, expressionText.find('\0')));
    BatchResult batch;
    TextSink sink(batch);
    BatchRunner runner(sink, isLeadByte);
    // The whole text in one block: no line is carried over or taken in pieces.
    runner.Feed(text);
    runner.Finish();
    return batch;
}

}  // namespace quorvane::batch
