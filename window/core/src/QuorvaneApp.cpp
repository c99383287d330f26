#include "window/QuorvaneApp.h"

#include "window/QuorvaneDlg.h"

namespace quorvane::window {

bool CQuorvaneApp::InitInstance() {
    SkinLibrary& skin = m_platform.Skin();
    skin.Init(m_platform.InstanceHandle(), 0, 0, 0);
    skin.LoadSkinFile("xpgrean.smf");

    // The window exists only while the dialog runs, so the main frame's skin
    // is named with a null window handle.
    const std::unique_ptr<DialogWindow> window = m_platform.NewMainWindow();
    CQuorvaneDlg dialog(*window);
    skin.SetWindowSkin(m_platform.WindowHandle(*window), "MainFrame");
    skin.SetDialogSkin("Dialog");
    dialog.DoModal();  // every way of closing is treated alike
    return false;      // the program ends with the dialog
}

}  // namespace quorvane::window
