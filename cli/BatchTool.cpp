#include "BatchTool.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

#include "BlockWriter.h"
#include "Cores.h"
#include "ParallelRun.h"
#include "StreamSink.h"
#include "batch/BatchRunner.h"
#include "batch/FileIo.h"
#include "batch/InputText.h"
#include "batch/Messages.h"
#include "batch/OutputFile.h"
#include "batch/SameFile.h"

namespace quorvane::cli {

namespace {

// The first block read is small, so that a small input touches little memory;
// the blocks grow to kBlockSize.
constexpr std::size_t kFirstBlockSize = 1 << 14;

// The name of the input in the diagnostics.
constexpr std::string_view kStandardInputName = "(standard input)";

// Every message goes through the one writer of standard error, after the
// diagnostics gathered before it.
void Report(BlockWriter& errors, std::string_view message) {
    errors.Append(message, "\n");
    errors.Flush();
}

void ReportWriteError(BlockWriter& errors, int error) {
    Report(errors,
           std::string("quorvane-cli: write error: ") + std::strerror(error != 0 ? error : EIO));
}

bool IsStandardInput(const std::string& input) { return input.empty() || input == "-"; }

// True when `path` names the regular file that `stream` reads, as with
// `quorvane-cli -o FILE < FILE`.
bool NamesFileOf(const std::string& path, std::FILE* stream) {
    struct stat named;
    struct stat opened;
    return stat(path.c_str(), &named) == 0 && fstat(fileno(stream), &opened) == 0 &&
           S_ISREG(opened.st_mode) && named.st_dev == opened.st_dev &&
           named.st_ino == opened.st_ino;
}

// Reads the input in blocks into the runner, each block as it is, up to the
// byte that ends the text: loading a file by the input-file reading rules
// changes only its line ends, and the runner cuts lines at every run of CR
// and LF either way. Stops early when the output fails; false on a read error.
bool ReadInto(std::FILE* input, batch::BatchRunner& runner, const BlockWriter& printed,
              const BlockWriter& written) {
    std::string block;
    std::size_t blockSize = kFirstBlockSize;
    bool failed = false;
    while (!printed.Failed() && !written.Failed()) {
        block.resize(blockSize);
        const std::size_t got = batch::ReadBlock(input, block.data(), block.size(), failed);
        if (got == 0) break;
        if (got == blockSize) blockSize = std::min(2 * blockSize, kBlockSize);
        const std::size_t length = batch::TextLength(std::string_view(block.data(), got));
        runner.Feed(std::span<char>(block.data(), length));
        if (length != got) break;
    }
    return !failed;
}

// The run on this thread alone.
RunEnd RunHere(std::FILE* input, batch::BatchSink& sink, const BlockWriter& printed,
               const BlockWriter& written) {
    batch::BatchRunner runner(sink);
    const bool read = ReadInto(input, runner, printed, written);
    if (read) runner.Finish();
    return {read, runner.TextLost()};
}

}  // namespace

ExitStatus PrintText(std::string_view text, std::FILE* standardOutput, std::FILE* standardError) {
    BlockWriter printed(standardOutput);
    printed.Append(text);
    if (printed.Flush()) return kAllValues;
    BlockWriter errors(standardError);
    ReportWriteError(errors, printed.Error());
    return kUsageOrFileError;
}

ExitStatus RunBatchTool(const CommandLine& commandLine, std::FILE* standardInput,
                        std::FILE* standardOutput, std::FILE* standardError, std::size_t partSize) {
    BlockWriter errors(standardError);
    const std::string& inputPath = commandLine.input;
    const bool fromStandardInput = IsStandardInput(inputPath);
    batch::FileHandle inputFile;
    std::FILE* input = standardInput;
    if (!fromStandardInput) {
        switch (batch::OpenInputFile(inputPath, inputFile)) {
            case batch::InputOpen::Ok:
                input = inputFile.get();
                break;
            case batch::InputOpen::NotExist:
                Report(errors, batch::MsgFileNotExist(inputPath));
                return kUsageOrFileError;
            case batch::InputOpen::OpenFailed:
                Report(errors, batch::MsgOpenFailed(inputPath));
                return kUsageOrFileError;
        }
    }

    batch::FileHandle outputFile;
    if (commandLine.output) {
        const std::string& outputPath = *commandLine.output;
        // Writing would empty the input before it is read.
        if (fromStandardInput ? NamesFileOf(outputPath, input)
                              : batch::NameSameFile(outputPath, inputPath)) {
            Report(errors, batch::MsgOutputIsInput(outputPath));
            return kUsageOrFileError;
        }
        outputFile = batch::CreateOutputFile(outputPath);
        if (!outputFile) {
            Report(errors, batch::MsgOpenFailed(outputPath));
            return kUsageOrFileError;
        }
    }

    BlockWriter printed(standardOutput);
    BlockWriter written(outputFile.get());
    StreamSink sink(printed, outputFile ? &written : nullptr, commandLine.quiet ? nullptr : &errors,
                    fromStandardInput ? kStandardInputName : inputPath);
    const std::size_t jobs = commandLine.jobs != 0 ? commandLine.jobs : UsableCores();
    const RunEnd end = jobs == 1 ? RunHere(input, sink, printed, written)
                                 : RunParallel(input, sink, printed, written, jobs, partSize);
    if (!end.read) {
        printed.Flush();  // the values of the lines read before
        Report(errors, batch::MsgOpenFailed(fromStandardInput ? "-" : inputPath));
        return kUsageOrFileError;
    }
    errors.Flush();

    if (!printed.Flush()) {
        ReportWriteError(errors, printed.Error());
        return kUsageOrFileError;
    }
    if (outputFile) {
        written.Append(batch::kOutputFileEnd);
        const bool stored = !end.textLost && written.Flush() && batch::CloseOutputFile(outputFile);
        if (!stored) {
            Report(errors, batch::MsgWriteFailed(*commandLine.output));
            return kUsageOrFileError;
        }
    }
    return sink.AnyFailure() ? kSomeErrors : kAllValues;
}

}  // namespace quorvane::cli
