// The application object and its start-up: start the skinning library, make
// the main dialog, run it modally, end when it closes.
#pragma once

#include <cstdint>
#include <memory>

#include "window/DialogWindow.h"

namespace quorvane::window {

// The four entries of the skinning library that the start-up calls.
class SkinLibrary {
  public:
    virtual ~SkinLibrary() = default;
    // Entry 1: prepare the library for the program's module.
    virtual void Init(std::uintptr_t instance, int a, int b, int c) = 0;
    // Entry 3: load a skin file.
    virtual void LoadSkinFile(const char* fileName) = 0;
    // Entry 5: choose the skin of a window.
    virtual void SetWindowSkin(std::uintptr_t window, const char* skinName) = 0;
    // Entry 8: choose the skin of dialogs.
    virtual void SetDialogSkin(const char* skinName) = 0;
};

// What the start-up needs of its platform.
class AppPlatform {
  public:
    virtual ~AppPlatform() = default;
    virtual std::uintptr_t InstanceHandle() const = 0;
    virtual SkinLibrary& Skin() = 0;
    // A new, not yet created, window for the main dialog.
    virtual std::unique_ptr<DialogWindow> NewMainWindow() = 0;
    // The native handle of that window; 0 while it does not exist.
    virtual std::uintptr_t WindowHandle(const DialogWindow& window) const = 0;
};

class CQuorvaneApp {
  public:
    explicit CQuorvaneApp(AppPlatform& platform) : m_platform(platform) {}
    // Runs the whole program; false always: the program ends when the dialog closes.
    bool InitInstance();

  private:
    AppPlatform& m_platform;
};

}  // namespace quorvane::window
