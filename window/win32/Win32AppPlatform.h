// The start-up's platform on Windows: the program's module, the skinning
// library and the main dialog's window.
#pragma once

#include <windows.h>

#include "SkinMagicLibrary.h"
#include "window/QuorvaneApp.h"

namespace quorvane::window::win32 {

class Win32AppPlatform : public AppPlatform {
  public:
    Win32AppPlatform();

    std::uintptr_t InstanceHandle() const override;
    SkinLibrary& Skin() override { return m_skin; }
    std::unique_ptr<DialogWindow> NewMainWindow() override;
    std::uintptr_t WindowHandle(const DialogWindow& window) const override;

  private:
    HINSTANCE m_instance;
    SkinMagicLibrary m_skin;
};

}  // namespace quorvane::window::win32
