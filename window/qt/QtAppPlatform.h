// What the start-up needs, on Qt: the main dialog's window and the skinning
// stand-in.
#pragma once

#include "NullSkinLibrary.h"
#include "window/QuorvaneApp.h"

namespace quorvane::window::qt {

class QtAppPlatform final : public AppPlatform {
  public:
    std::uintptr_t InstanceHandle() const override;
    SkinLibrary& Skin() override { return m_skin; }
    std::unique_ptr<DialogWindow> NewMainWindow() override;
    std::uintptr_t WindowHandle(const DialogWindow& window) const override;

  private:
    NullSkinLibrary m_skin;
};

}  // namespace quorvane::window::qt
