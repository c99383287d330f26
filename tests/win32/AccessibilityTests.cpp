// The main dialog as assistive technology reads it: every control's name
// from its client object (AccessibleObjectFromWindow, get_accName), against
// the table of accessible names, or the caption without its '&' for a
// control the table does not list. The program annotates the listed
// controls; where the system ignores dynamic annotation (wine does), the
// group says so loudly and shows what the system answers for them.
#include <oleacc.h>

#include <cstdio>

#include "AccessibleNames.h"
#include "DialogTemplates.h"
#include "QuorvaneProcess.h"
#include "TestGroups.h"
#include "Utf8Text.h"

namespace {

// The name of the window's client object; empty when it has none.
std::wstring AccessibleNameOf(HWND window) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return {};
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring answer;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        answer.assign(name, SysStringLen(name));
    }
    SysFreeString(name);
    accessible->Release();
    return answer;
}

// Whether the system's accessible objects answer with an annotated name,
// tried on a button of the driver's own.
bool AnnotationsHonoured() {
    HWND button = CreateWindowW(L"Button", L"caption", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    IAccPropServices* services = nullptr;
    bool honoured = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        services->SetHwndPropStr(button, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, L"annotated");
        honoured = AccessibleNameOf(button) == L"annotated";
        services->Release();
    }
    DestroyWindow(button);
    return honoured;
}

}  // namespace

void RunAccessibilityTests(TestContext& context) {
    Checker& check = context.check;
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!CheckStarted(check, program, "accessibility")) return;

    check.Case("accessibility: each control's name");
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool annotated = AnnotationsHonoured();
    if (!annotated)
        std::puts("THIS SYSTEM IGNORES DYNAMIC ANNOTATION: ANNOTATED NAMES NOT CHECKED");
    const DialogTemplate& dialog = *FindDialogTemplate(IDD_QUORVANE_DIALOG);
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == IDC_STATIC) continue;
        const std::wstring name = AccessibleNameOf(program.Control(control.id));
        const AccessibleName* listed = FindAccessibleName(dialog.id, control.id);
        std::wstring expected = WideFromUtf8(listed != nullptr ? listed->name : control.text);
        if (listed == nullptr && expected.find(L'&') != std::wstring::npos) {
            expected.erase(expected.find(L'&'), 1);
        }
        if (listed == nullptr || annotated) {
            check.Equal("name of control " + std::to_string(control.id), name, expected);
        } else {
            std::printf("control %d, to be named \"%s\": the system names it \"%s\"\n", control.id,
                        listed->name, Utf8FromWide(name).c_str());
        }
    }
    CoUninitialize();
}
