// The calculator's file access: opening an input file safely, reading it in
// blocks, writing the output file with every error noticed, and telling
// whether two paths name the same file. Paths are 8-bit text, passed to the
// system unchanged.
#pragma once

#include <cstdio>
#include <memory>
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

// True when both paths exist and name the same file, however they are spelt.
bool IsSameFile(const std::string& a, const std::string& b);

}  // namespace quorvane::batch
