#include "BatchTool.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "BlockWriter.h"
#include "Cores.h"
#include "ParallelRun.h"
#include "StreamSink.h"
#include "batch/BatchRunner.h"
#include "batch/FileIo.h"
#include "batch/InputText.h"
#include "batch/OutputFile.h"

namespace quorvane::cli {

namespace {

// The first block read is small, so that a small input touches little of the
// buffer's memory; the blocks grow to kBlockSize.
constexpr std::size_t kFirstBlockSize = 1 << 14;

// The name of the input in the diagnostics.
constexpr std::string_view kStandardInputName = "(standard input)";

// Every message goes through the one writer of standard error, after the
// diagnostics gathered before it.
void Report(BlockWriter& errors, std::string_view message) {
    errors.Append(message, "\n");
    errors.Flush();
}

// The system's text for an error number; 0, where the system gave none, is
// reported as an I/O error.
const char* Reason(int error) { return std::strerror(error != 0 ? error : EIO); }

void ReportWriteError(BlockWriter& errors, int error) {
    Report(errors, std::string("quorvane-cli: write error: ") + Reason(error));
}

// "quorvane-cli: FILE: REASON", as the GNU tools report a file.
void ReportFileError(BlockWriter& errors, std::string_view name, int error) {
    Report(errors, std::string("quorvane-cli: ").append(name).append(": ").append(Reason(error)));
}

bool IsStandardInput(const std::string& input) { return input.empty() || input == "-"; }

// Opens the input as the GNU tools do: whatever can be read from start to
// end (a regular file, a pipe or named pipe, a device), waiting for a named
// pipe's writer. A directory is refused. 0, or the system's error number.
int OpenInput(const std::string& path, batch::FileHandle& file) {
    errno = 0;
    file.reset(std::fopen(path.c_str(), "rb"));
    if (!file) return FailureErrorNumber();
    struct stat status;
    if (fstat(fileno(file.get()), &status) == 0 && S_ISDIR(status.st_mode)) {
        file.reset();
        return EISDIR;
    }
    return 0;
}

// True when `path` names the regular file that `input` reads, however it is
// spelt: writing it would empty the input before it is read. Another kind of
// file (a device such as /dev/null, a pipe) is not emptied by writing.
bool OverwritesInput(const std::string& path, std::FILE* input) {
    const std::optional<batch::FileIdentity> named = batch::IdentityOf(path);
    return named && named->regular && named == batch::IdentityOf(input);
}

// Reads the input in blocks into the runner, each block as it is, up to the
// byte that ends the text: loading a file by the input-file reading rules
// changes only its line ends, and the runner cuts lines at every run of CR
// and LF either way. Stops early when the output fails; 0, or the error
// number of a failed read.
int ReadInto(std::FILE* input, batch::BatchRunner& runner, const BlockWriter& printed,
             const BlockWriter& written) {
    const auto block = std::make_unique_for_overwrite<char[]>(kBlockSize);
    std::size_t blockSize = kFirstBlockSize;
    bool failed = false;
    int error = 0;
    while (!printed.Failed() && !written.Failed()) {
        const std::size_t got = batch::ReadBlock(input, block.get(), blockSize, failed);
        if (failed && error == 0) error = FailureErrorNumber();
        if (got == 0) break;
        if (got == blockSize) blockSize = std::min(2 * blockSize, kBlockSize);
        const std::size_t length = batch::TextLength(std::string_view(block.get(), got));
        runner.Feed(std::span<char>(block.get(), length));
        if (length != got) break;
    }
    return error;
}

// The run on this thread alone.
RunEnd RunHere(std::FILE* input, batch::BatchSink& sink, const BlockWriter& printed,
               const BlockWriter& written) {
    batch::BatchRunner runner(sink);
    const int readError = ReadInto(input, runner, printed, written);
    if (readError == 0) runner.Finish();
    return {readError, runner.TextLost()};
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
    const std::string_view inputName = fromStandardInput ? kStandardInputName : inputPath;
    batch::FileHandle inputFile;
    std::FILE* input = standardInput;
    if (!fromStandardInput) {
        if (const int error = OpenInput(inputPath, inputFile); error != 0) {
            ReportFileError(errors, inputPath, error);
            return kUsageOrFileError;
        }
        input = inputFile.get();
    }

    batch::FileHandle outputFile;
    if (commandLine.output) {
        const std::string& outputPath = *commandLine.output;
        if (OverwritesInput(outputPath, input)) {
            Report(errors, "quorvane-cli: " + outputPath + ": is the input file");
            return kUsageOrFileError;
        }
        errno = 0;
        outputFile = batch::CreateOutputFile(outputPath);
        if (!outputFile) {
            ReportFileError(errors, outputPath, errno);
            return kUsageOrFileError;
        }
    }

    BlockWriter printed(standardOutput);
    BlockWriter written(outputFile.get());
    BlockWriter* const diagnostics = commandLine.quiet ? nullptr : &errors;
    StreamSink sink(printed, outputFile ? &written : nullptr, diagnostics,
                    commandLine.noWarnings ? nullptr : diagnostics, inputName);
    const std::size_t jobs = commandLine.jobs != 0 ? commandLine.jobs : UsableCores();
    const RunEnd end = jobs == 1 ? RunHere(input, sink, printed, written)
                                 : RunParallel(input, sink, printed, written, jobs, partSize);
    if (end.readError != 0) {
        printed.Flush();  // the values of the lines read before
        ReportFileError(errors, inputName, end.readError);
        return kUsageOrFileError;
    }
    errors.Flush();

    if (!printed.Flush()) {
        ReportWriteError(errors, printed.Error());
        return kUsageOrFileError;
    }
    if (outputFile) {
        written.Append(batch::kOutputFileEnd);
        // A long line's text that could not be read back is an I/O error.
        errno = 0;
        if (end.textLost || !written.Flush() || !batch::CloseOutputFile(outputFile)) {
            ReportFileError(errors, *commandLine.output,
                            written.Failed() ? written.Error() : errno);
            return kUsageOrFileError;
        }
    }
    return sink.AnyFailure() ? kSomeErrors : kAllValues;
}

}  // namespace quorvane::cli
