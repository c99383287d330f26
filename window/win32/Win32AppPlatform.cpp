#include "Win32AppPlatform.h"

#include "Win32DialogWindow.h"
#include "resource.h"

namespace quorvane::window::win32 {

Win32AppPlatform::Win32AppPlatform() : m_instance(GetModuleHandleW(nullptr)) {}

std::uintptr_t Win32AppPlatform::InstanceHandle() const {
    return reinterpret_cast<std::uintptr_t>(m_instance);
}

std::unique_ptr<DialogWindow> Win32AppPlatform::NewMainWindow() {
    return std::make_unique<Win32DialogWindow>(m_instance, IDD_QUORVANE_DIALOG, m_startFiles);
}

std::uintptr_t Win32AppPlatform::WindowHandle(const DialogWindow& window) const {
    // Every window of this platform comes from NewMainWindow.
    return reinterpret_cast<std::uintptr_t>(static_cast<const Win32DialogWindow&>(window).Handle());
}

}  // namespace quorvane::window::win32
