// quorvane-cli's run on 2 to 4 threads against its run on one, on arbitrary
// input read in parts of 1 to 64 bytes: standard output, standard error, the
// -o file and the exit status must be the same to the byte. The first byte
// chooses the threads and the part size; the rest is the input file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "TempFolder.h"
#include "ToolRun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const TempFolder folder;
    quorvane::cli::CommandLine commandLine;
    commandLine.input =
        folder.Write("in.txt", std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    commandLine.output = folder.Path("out.txt");
    const std::size_t partSize = 1 + data[0] / 4;

    commandLine.jobs = 1;
    const ToolRun alone = RunTool(commandLine, partSize);
    commandLine.jobs = 2 + data[0] % 3;
    FUZZ_CHECK(RunTool(commandLine, partSize) == alone);
    return 0;
}
