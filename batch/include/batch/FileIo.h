// The calculator's file access: opening an input file safely, reading it in
// blocks, writing the output file with every error noticed, and the identity
// of a file, by which its names and streams are told apart. Paths are 8-bit
// text, passed to the system unchanged.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane::batch {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

enum class InputOpen {
    Ok,
    NotExist,    // no such file, or it cannot be opened for reading
    OpenFailed,  // it exists but is no regular file (a folder, a pipe, a device)
};

// Opens a regular file for reading in binary mode. A pipe or a device is
// refused before anything could block on it.
InputOpen OpenInputFile(const std::string& path, FileHandle& file);

// Reads up to `size` bytes; 0 at the end. Sets `failed` on a read error.
std::size_t ReadBlock(std::FILE* file, char* buffer, std::size_t size, bool& failed);

// Creates or empties the file for writing in binary mode; null on failure.
FileHandle CreateOutputFile(const std::string& path);

// Writes all bytes; false on any error.
bool WriteBytes(std::FILE* file, std::string_view bytes);

// Flushes and closes the file; false if anything written was not stored.
bool CloseOutputFile(FileHandle& file);

// A file as the system tells files apart (its device and number; on Windows
// its volume and index): alike for every name, link and open stream of one
// file.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool regular = false;  // a regular file, which writing it empties first

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file that `path` names, or that `stream` has open;
// nothing when it cannot be known (no such file).
std::optional<FileIdentity> IdentityOf(const std::string& path);
std::optional<FileIdentity> IdentityOf(std::FILE* stream);

}  // namespace quorvane::batch
