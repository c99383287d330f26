// Pictures of the program's two windows as a person sees them. Before the
// main dialog is pictured, every control of its template is checked to be
// shown, at the place and size that the template gives it in dialog units,
// inside the dialog's client area. The pictures are saved as PNG files in the
// driver's current folder (under ctest, the build's test folder), named for
// the machine the program is built for:
//   quorvane-windows-MACHINE.png, quorvane-windows-about-MACHINE.png
#include <cstring>
#include <vector>

#include "DialogTemplates.h"
#include "ProgramWindows.h"
#include "QuorvaneProcess.h"
#include "ScreenPicture.h"
#include "TestGroups.h"

namespace {

// A hidden copy, in the driver, of a dialog template read from the program
// file. The dialog units of another process's dialog cannot be asked for
// (MapDialogRect answers only in the dialog's own process); the copy has the
// same font on the same display, and so the same units.
class HiddenDialogCopy {
  public:
    HiddenDialogCopy(const std::string& program, int templateId) {
        const std::wstring path = Wide(program);
        HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        if (module == nullptr) return;
        HRSRC resource =
            FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));  // RT_DIALOG
        const DWORD size = resource != nullptr ? SizeofResource(module, resource) : 0;
        if (size >= 16) {
            // An extended template, copied to an aligned buffer: its style,
            // at byte 12, without WS_VISIBLE.
            std::vector<DWORD> copy((size + 3) / 4);
            std::memcpy(copy.data(), LockResource(LoadResource(module, resource)), size);
            copy[3] &= ~static_cast<DWORD>(WS_VISIBLE);
            m_dialog = CreateDialogIndirectParamW(
                GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(copy.data()), nullptr,
                [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        }
        FreeLibrary(module);
    }
    HiddenDialogCopy(const HiddenDialogCopy&) = delete;
    HiddenDialogCopy& operator=(const HiddenDialogCopy&) = delete;
    ~HiddenDialogCopy() {
        if (m_dialog != nullptr) DestroyWindow(m_dialog);
    }

    bool Made() const { return m_dialog != nullptr; }
    // A rectangle in dialog units, in pixels. Its origin and its size are
    // each rounded, as the dialog manager does when it makes the controls.
    RECT Pixels(int x, int y, int width, int height) const {
        RECT mapped{x, y, width, height};
        MapDialogRect(m_dialog, &mapped);
        return {mapped.left, mapped.top, mapped.left + mapped.right, mapped.top + mapped.bottom};
    }

  private:
    HWND m_dialog = nullptr;
};

std::string Describe(const RECT& rect) {
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ") to (" +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

// Where a control is, in the client coordinates of its dialog.
RECT PlaceInDialog(HWND control, HWND dialog) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CheckControlsInPlace(Checker& check, const TestContext& context, HWND dialog) {
    check.Case("screenshot: every control of the main dialog's template is shown in its place");
    const HiddenDialogCopy units(context.program, IDD_QUORVANE_DIALOG);
    if (!check.True("dialog units known", units.Made())) return;
    const DialogTemplate* expected = FindDialogTemplate(IDD_QUORVANE_DIALOG);
    RECT client;
    GetClientRect(dialog, &client);
    check.Equal("client area", Describe(client),
                Describe(units.Pixels(0, 0, expected->width, expected->height)));
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const ControlTemplate& control : expected->controls) {
        const std::string row =
            "control " + std::to_string(control.id) + " \"" + Escaped(control.text) + "\" ";
        if (!check.True(row + "exists", child != nullptr)) return;
        const RECT place = units.Pixels(control.x, control.y, control.width, control.height);
        check.True(row + "visible", IsWindowVisible(child) != FALSE);
        check.Equal(row + "place", Describe(PlaceInDialog(child, dialog)), Describe(place));
        RECT inside;
        check.True(row + "inside the client area",
                   IntersectRect(&inside, &place, &client) && EqualRect(&inside, &place));
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

// Draws the window and its controls now, then saves its picture under the
// name, in the current folder.
void SavePicture(Checker& check, HWND window, const std::string& name) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendWithTimeout(window, WM_NULL, 0, 0);
    RECT frame;
    GetWindowRect(window, &frame);
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"\\" + Wide(name);
    check.True("picture saved as " + name, ScreenPicture(frame).SavePng(path));
}

}  // namespace

void RunScreenshotTests(TestContext& context) {
    Checker& check = context.check;
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!CheckStarted(check, program, "screenshot")) return;

    CheckControlsInPlace(check, context, program.Dialog());

    BOOL wow64 = FALSE;
    IsWow64Process(program.Process(), &wow64);
    const std::string machine = wow64 ? "i686" : "x86_64";
    check.Case("screenshot: the main dialog is pictured");
    SavePicture(check, program.Dialog(), "quorvane-windows-" + machine + ".png");

    check.Case("screenshot: the about box is pictured");
    const Interaction about =
        program.Send(program.Dialog(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0, [&](HWND dialog) {
            SavePicture(check, dialog, "quorvane-windows-about-" + machine + ".png");
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
    check.True("about box opened and closed", about.returned && about.otherDialogs == 1);
}
