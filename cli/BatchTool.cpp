#include "BatchTool.h"

#include <string_view>
#include <vector>

#include "BatchCalculation.h"
#include "FileIo.h"
#include "InputText.h"
#include "Messages.h"
#include "OutputFile.h"
#include "ResultFormat.h"

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

// Collects bytes and writes them out in large blocks; remembers a failure.
class BlockWriter {
  public:
    explicit BlockWriter(std::FILE* file) : m_file(file) { m_pending.reserve(2 * kBlockSize); }

    std::string& Pending() { return m_pending; }
    bool FlushIfFull() { return m_pending.size() < kBlockSize || Flush(); }
    bool Flush() {
        if (m_file != nullptr && !m_failed && !m_pending.empty()) {
            m_failed = !WriteBytes(m_file, m_pending);
        }
        m_pending.clear();
        return !m_failed;
    }
    bool Failed() const { return m_failed; }

  private:
    std::FILE* m_file;
    std::string m_pending;
    bool m_failed = false;
};

void Report(std::FILE* errors, std::string_view message) {
    std::fprintf(errors, "%.*s\n", static_cast<int>(message.size()), message.data());
}

bool IsStandardInput(const std::string& input) { return input.empty() || input == "-"; }

}  // namespace

ExitStatus RunBatchTool(const CommandLine& commandLine, std::FILE* standardInput,
                        std::FILE* standardOutput, std::FILE* errors) {
    const std::string& inputPath = commandLine.input;
    FileHandle inputFile;
    std::FILE* input = standardInput;
    if (!IsStandardInput(inputPath)) {
        switch (OpenInputFile(inputPath, inputFile)) {
            case InputOpen::Ok:
                input = inputFile.get();
                break;
            case InputOpen::NotExist:
                Report(errors, MsgFileNotExist(inputPath));
                return kUsageOrFileError;
            case InputOpen::OpenFailed:
                Report(errors, MsgOpenFailed(inputPath));
                return kUsageOrFileError;
        }
    }

    FileHandle outputFile;
    if (commandLine.output) {
        const std::string& outputPath = *commandLine.output;
        // Writing would empty the input before it is read.
        if (!IsStandardInput(inputPath) && IsSameFile(inputPath, outputPath)) {
            Report(errors, MsgOutputIsInput(outputPath));
            return kUsageOrFileError;
        }
        outputFile = CreateOutputFile(outputPath);
        if (!outputFile) {
            Report(errors, MsgOpenFailed(outputPath));
            return kUsageOrFileError;
        }
    }

    BlockWriter printed(standardOutput);
    BlockWriter written(outputFile.get());
    std::string record;
    std::string upper;
    bool anyFailure = false;
    auto onLine = [&](std::string_view line) {
        upper.assign(line);
        UpperCaseText(upper);
        const LineOutcome outcome = EvaluateLineOutcome(upper);
        if (outcome.status == LineStatus::Nothing) return;
        anyFailure |= outcome.status == LineStatus::Failure;
        AppendOutcome(printed.Pending(), outcome);
        printed.Pending() += '\n';
        printed.FlushIfFull();
        if (outputFile) {
            record.clear();
            AppendOutputRecord(record, upper, outcome);
            AppendOutputBytes(written.Pending(), record);
            written.FlushIfFull();
        }
    };

    std::vector<char> block(kBlockSize);
    std::string text;
    InputTextDecoder decoder;
    LineCutter cutter;
    bool readFailed = false;
    while (!decoder.Ended() && !printed.Failed() && !written.Failed()) {
        const std::size_t got = ReadBlock(input, block.data(), block.size(), readFailed);
        if (got == 0) break;
        text.clear();
        decoder.Feed(std::string_view(block.data(), got), text);
        cutter.Feed(text, onLine);
    }
    cutter.Finish(onLine);

    if (readFailed) {
        Report(errors, MsgOpenFailed(IsStandardInput(inputPath) ? "-" : inputPath));
        return kUsageOrFileError;
    }
    if (!printed.Flush() || std::fflush(standardOutput) != 0) return kUsageOrFileError;
    if (outputFile) {
        written.Pending() += kOutputFileEnd;
        const bool stored = written.Flush() && CloseOutputFile(outputFile);
        if (!stored) {
            Report(errors, MsgWriteFailed(*commandLine.output));
            return kUsageOrFileError;
        }
    }
    return anyFailure ? kSomeErrors : kAllValues;
}
