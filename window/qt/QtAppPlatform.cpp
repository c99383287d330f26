#include "QtAppPlatform.h"

#include <QCoreApplication>

#include "QtDialogWindow.h"
#include "resource.h"

namespace quorvane::window::qt {

std::uintptr_t QtAppPlatform::InstanceHandle() const {
    return reinterpret_cast<std::uintptr_t>(QCoreApplication::instance());
}

std::unique_ptr<DialogWindow> QtAppPlatform::NewMainWindow() {
    auto window = std::make_unique<QtDialogWindow>(IDD_QUORVANE_DIALOG);
    window->SetStartFiles(m_startFiles);
    return window;
}

std::uintptr_t QtAppPlatform::WindowHandle(const DialogWindow& window) const {
    // The native window exists only once the dialog has been shown.
    const auto* qtWindow = dynamic_cast<const QtDialogWindow*>(&window);
    if (qtWindow == nullptr) {
        return 0;
    }
    return qtWindow->NativeWindowId();
}

}  // namespace quorvane::window::qt
