// The skinning library of this build: it is not provided, so its entries do
// nothing and the windows keep the toolkit's own look.
#pragma once

#include "window/QuorvaneApp.h"

namespace quorvane::window::qt {

class NullSkinLibrary final : public SkinLibrary {
  public:
    void Init(std::uintptr_t /*instance*/, int /*a*/, int /*b*/, int /*c*/) override {}
    void LoadSkinFile(const char* /*fileName*/) override {}
    void SetWindowSkin(std::uintptr_t /*window*/, const char* /*skinName*/) override {}
    void SetDialogSkin(const char* /*skinName*/) override {}
};

}  // namespace quorvane::window::qt
