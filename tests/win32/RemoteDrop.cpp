#include "RemoteDrop.h"

#include <shlobj.h>

#include <cstring>

RemoteDrop::RemoteDrop(HANDLE process, const std::vector<std::wstring>& names)
    : m_process(process) {
    std::wstring list;
    for (const std::wstring& name : names) {
        list += name;
        list += L'\0';
    }
    list += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::string bytes(sizeof header + list.size() * sizeof(wchar_t), '\0');
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, list.data(), list.size() * sizeof(wchar_t));

    m_block =
        VirtualAllocEx(process, nullptr, bytes.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SIZE_T written = 0;
    m_written = m_block != nullptr &&
                WriteProcessMemory(process, m_block, bytes.data(), bytes.size(), &written) &&
                written == bytes.size();
}

RemoteDrop::~RemoteDrop() {
    if (m_block != nullptr) VirtualFreeEx(m_process, m_block, 0, MEM_RELEASE);
}
