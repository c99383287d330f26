// One run of quorvane-cli through its library, and all that it gives.
#pragma once

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

#include "BatchTool.h"
#include "batch/FileIo.h"

struct ToolRun {
    std::string printed;  // standard output
    std::string errors;   // standard error
    std::string written;  // the -o file, when it is a regular file
    quorvane::cli::ExitStatus status;
    bool operator==(const ToolRun&) const = default;
};

inline void PrintTo(const ToolRun& run, std::ostream* os) {
    *os << "exit " << run.status << ", " << run.printed.size() << " bytes printed, "
        << run.written.size() << " written, errors [" << run.errors << "]";
}

inline std::string ReadToEnd(std::FILE* file) {
    std::string bytes;
    char block[4096];
    while (const std::size_t got = std::fread(block, 1, sizeof block, file))
        bytes.append(block, got);
    return bytes;
}

// Runs the tool with `standardInput` (none: closed to it); standard output
// goes to `printedTo` when given, else to a temporary file whose bytes are kept.
inline ToolRun RunTool(const quorvane::cli::CommandLine& commandLine, std::size_t partSize,
                       const std::string& printedTo = "", std::FILE* standardInput = nullptr) {
    using quorvane::batch::FileHandle;
    const FileHandle printed(printedTo.empty() ? std::tmpfile()
                                               : std::fopen(printedTo.c_str(), "wb"));
    const FileHandle errors(std::tmpfile());
    ToolRun run;
    run.status = quorvane::cli::RunBatchTool(commandLine, standardInput, printed.get(),
                                             errors.get(), partSize);
    if (printedTo.empty()) {
        std::rewind(printed.get());
        run.printed = ReadToEnd(printed.get());
    }
    std::rewind(errors.get());
    run.errors = ReadToEnd(errors.get());
    if (commandLine.output && std::filesystem::is_regular_file(*commandLine.output)) {
        const FileHandle written(std::fopen(commandLine.output->c_str(), "rb"));
        run.written = ReadToEnd(written.get());
    }
    return run;
}
