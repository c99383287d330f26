#include "TestFolder.h"

#include <windows.h>

#include <cstdio>

TestFolder::TestFolder() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    m_path = std::string(temp) + "quorvane tests " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(m_path.c_str(), nullptr);
}

TestFolder::~TestFolder() {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveDirectoryA(File(name).c_str());
            } else {
                DeleteFileA(File(name).c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(m_path.c_str());
}

std::string TestFolder::File(std::string_view name) const {
    return m_path + "\\" + std::string(name);
}

bool TestFolder::Write(std::string_view name, std::string_view bytes) const {
    std::FILE* file = std::fopen(File(name).c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::optional<std::string> TestFolder::Read(std::string_view name) const {
    std::FILE* file = std::fopen(File(name).c_str(), "rb");
    if (file == nullptr) return std::nullopt;
    std::string bytes;
    char block[4096];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, got);
    std::fclose(file);
    return bytes;
}

void TestFolder::Remove(std::string_view name) const { DeleteFileA(File(name).c_str()); }
