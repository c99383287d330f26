#include "BatchTool.h"

#include <algorithm>
#include <string_view>

#include "BatchCalculation.h"
#include "BlockWriter.h"
#include "FileIo.h"
#include "InputText.h"
#include "LongLine.h"
#include "Messages.h"
#include "OutputFile.h"
#include "ResultFormat.h"
#include "UpperCase.h"
#include "engine/Evaluate.h"

using quorvane::engine::EvaluateLineOutcome;

namespace {

// The first block read is small, so that a small input touches little memory;
// the blocks grow to kBlockSize.
constexpr std::size_t kFirstBlockSize = 1 << 14;

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
    BlockWriter* const file = outputFile ? &written : nullptr;
    // The record's end as it goes to disk.
    std::string recordEnd;
    AppendOutputBytes(recordEnd, kRecordEnd);
    bool anyFailure = false;
    // Prints the outcome of a line and writes its record: the line, which
    // holds no LF and so goes to disk as it is ("" when its bytes are in the
    // file already), and the value.
    auto emit = [&](std::string_view line, const LineOutcome& outcome) {
        if (outcome.status == LineStatus::Nothing) return;
        anyFailure |= outcome.status == LineStatus::Failure;
        char buffer[kValueTextRoom];
        const std::string_view value = FormatOutcome(outcome, buffer);
        printed.Append(value);
        printed.Append('\n');
        if (file != nullptr) {
            file->Append(line);
            file->Append(kRecordSeparator);
            file->Append(value);
            file->Append(recordEnd);
        }
    };
    auto onLine = [&](std::string_view line) { emit(line, EvaluateLineOutcome(line)); };

    // Each block is read as it is, up to the byte that ends the text:
    // loading a file by the input-file reading rules changes only its line
    // ends, and lines are cut at every run of CR and LF either way. The block
    // is upper-cased in place. A line cut by the end of a block is carried
    // over, or taken in pieces once it is long.
    std::string text;
    std::size_t blockSize = kFirstBlockSize;
    std::string carry;
    LongLine longLine(file);
    bool ended = false;
    bool readFailed = false;
    while (!ended && !printed.Failed() && !written.Failed()) {
        text.resize(blockSize);
        const std::size_t got = ReadBlock(input, text.data(), text.size(), readFailed);
        if (got == 0) break;
        if (got == blockSize) blockSize = std::min(2 * blockSize, kBlockSize);
        text.resize(TextLength(std::string_view(text.data(), got)));
        ended = text.size() != got;
        UpperCaseText(text);

        const char* p = text.data();
        const char* const end = p + text.size();
        for (const char* lineEnd = FindLineEnd(p, end); lineEnd != end;
             lineEnd = FindLineEnd(p, end)) {
            const std::string_view piece(p, static_cast<std::size_t>(lineEnd - p));
            p = lineEnd + 1;
            if (longLine.Active()) {
                longLine.Add(piece);
                emit({}, longLine.Finish());
            } else if (!carry.empty()) {
                carry.append(piece);
                onLine(carry);
                carry.clear();
            } else if (!piece.empty()) {
                onLine(piece);
            }
        }
        const std::string_view tail(p, static_cast<std::size_t>(end - p));
        if (longLine.Active()) {
            longLine.Add(tail);
        } else {
            carry.append(tail);
            if (carry.size() > kLongLine) {
                longLine.Start(carry);
                carry.clear();
            }
        }
    }
    if (longLine.Active()) {
        emit({}, longLine.Finish());
    } else if (!carry.empty()) {
        onLine(carry);
    }

    if (readFailed) {
        Report(errors, MsgOpenFailed(IsStandardInput(inputPath) ? "-" : inputPath));
        return kUsageOrFileError;
    }
    if (!printed.Flush() || std::fflush(standardOutput) != 0) return kUsageOrFileError;
    if (outputFile) {
        written.Append(kOutputFileEnd);
        const bool stored = !longLine.Lost() && written.Flush() && CloseOutputFile(outputFile);
        if (!stored) {
            Report(errors, MsgWriteFailed(*commandLine.output));
            return kUsageOrFileError;
        }
    }
    return anyFailure ? kSomeErrors : kAllValues;
}
