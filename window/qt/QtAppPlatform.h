// What the start-up needs, on Qt: the main dialog's window and the skinning
// stand-in.
#pragma once

#include <string>
#include <vector>

#include "NullSkinLibrary.h"
#include "window/QuorvaneApp.h"

namespace quorvane::window::qt {

class QtAppPlatform final : public AppPlatform {
  public:
    // `startFiles`: the files named on the command line, handed to the main
    // dialog once it is open.
    explicit QtAppPlatform(std::vector<std::string> startFiles = {})
        : m_startFiles(std::move(startFiles)) {}

    std::uintptr_t InstanceHandle() const override;
    SkinLibrary& Skin() override { return m_skin; }
    std::unique_ptr<DialogWindow> NewMainWindow() override;
    std::uintptr_t WindowHandle(const DialogWindow& window) const override;

  private:
    NullSkinLibrary m_skin;
    std::vector<std::string> m_startFiles;
};

}  // namespace quorvane::window::qt
