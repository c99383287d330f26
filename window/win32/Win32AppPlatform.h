// The start-up's platform on Windows: the program's module, the skinning
// library and the main dialog's window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "SkinMagicLibrary.h"
#include "window/QuorvaneApp.h"

namespace quorvane::window::win32 {

class Win32AppPlatform : public AppPlatform {
  public:
    Win32AppPlatform();

    // The files named on the command line, handed to the main dialog once it is open.
    void SetStartFiles(std::vector<std::string> paths) { m_startFiles = std::move(paths); }

    std::uintptr_t InstanceHandle() const override;
    SkinLibrary& Skin() override { return m_skin; }
    std::unique_ptr<DialogWindow> NewMainWindow() override;
    std::uintptr_t WindowHandle(const DialogWindow& window) const override;

  private:
    HINSTANCE m_instance;
    SkinMagicLibrary m_skin;
    std::vector<std::string> m_startFiles;
};

}  // namespace quorvane::window::win32
