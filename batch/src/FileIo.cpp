#include "batch/FileIo.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quorvane::batch {

#ifdef _WIN32

InputOpen OpenInputFile(const std::string& path, FileHandle& file) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return InputOpen::NotExist;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return InputOpen::OpenFailed;
    file.reset(std::fopen(path.c_str(), "rb"));
    if (!file) return InputOpen::NotExist;
    if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file.get())))) !=
        FILE_TYPE_DISK) {
        file.reset();
        return InputOpen::OpenFailed;
    }
    return InputOpen::Ok;
}

namespace {

bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE handle =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    const BOOL ok = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    return ok != FALSE;
}

}  // namespace

bool IsSameFile(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION infoA;
    BY_HANDLE_FILE_INFORMATION infoB;
    if (!FileIdentity(a, infoA) || !FileIdentity(b, infoB)) return false;
    return infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber &&
           infoA.nFileIndexHigh == infoB.nFileIndexHigh &&
           infoA.nFileIndexLow == infoB.nFileIndexLow;
}

#else

InputOpen OpenInputFile(const std::string& path, FileHandle& file) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return InputOpen::NotExist;
    if (!S_ISREG(status.st_mode)) return InputOpen::OpenFailed;
    // Non-blocking, so that a file replaced by a pipe since the test cannot
    // hang the open; the type is checked again on what was opened.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return InputOpen::NotExist;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return InputOpen::OpenFailed;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.reset(fdopen(fd, "rb"));
    if (!file) {
        close(fd);
        return InputOpen::OpenFailed;
    }
    return InputOpen::Ok;
}

bool IsSameFile(const std::string& a, const std::string& b) {
    struct stat statusA;
    struct stat statusB;
    if (stat(a.c_str(), &statusA) != 0 || stat(b.c_str(), &statusB) != 0) return false;
    return statusA.st_dev == statusB.st_dev && statusA.st_ino == statusB.st_ino;
}

#endif

std::size_t ReadBlock(std::FILE* file, char* buffer, std::size_t size, bool& failed) {
    const std::size_t got = std::fread(buffer, 1, size, file);
    if (got < size && std::ferror(file)) failed = true;
    return got;
}

FileHandle CreateOutputFile(const std::string& path) {
    return FileHandle(std::fopen(path.c_str(), "wb"));
}

bool WriteBytes(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool CloseOutputFile(FileHandle& file) {
    const bool flushed = std::fflush(file.get()) == 0 && !std::ferror(file.get());
    const bool closed = std::fclose(file.release()) == 0;
    return flushed && closed;
}

}  // namespace quorvane::batch
