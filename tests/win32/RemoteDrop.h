// A drop of files for a window of the program, made as the shell makes one:
// a block of global memory that holds a DROPFILES record and then the names
// in UTF-16, each ending in a zero, with one more zero after the last. The
// block must be in the program's memory: the driver reserves it there and
// writes it, and the HDROP is its address there, as fixed global memory is
// named by its address. The driver frees the block when the drop is over;
// the program's DragFinish leaves alone what its heap did not give.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class RemoteDrop {
  public:
    RemoteDrop(HANDLE process, const std::vector<std::wstring>& names);
    RemoteDrop(const RemoteDrop&) = delete;
    RemoteDrop& operator=(const RemoteDrop&) = delete;
    ~RemoteDrop();

    // The drop for WM_DROPFILES; null when it could not be written.
    HDROP Handle() const { return m_written ? static_cast<HDROP>(m_block) : nullptr; }

  private:
    HANDLE m_process;
    void* m_block = nullptr;
    bool m_written = false;
};
