// The main dialog as assistive technology reads it: the client object of
// every control, from AccessibleObjectFromWindow, and the name and
// description it answers, against the table of accessible names (the
// caption without its '&' for a control the table does not list). The
// program annotates the listed controls; where the system ignores dynamic
// annotation (wine does), it says so loudly and checks the other controls.
#include <oleacc.h>

#include <cstdio>

#include "AccessibleNames.h"
#include "DialogTemplates.h"
#include "QuorvaneProcess.h"
#include "TestGroups.h"
#include "Utf8Text.h"

namespace {

using TextProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

// One text property of the window's client object; empty when it has none.
std::wstring Ask(HWND window, TextProperty property) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return L"(no client object)";
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    std::wstring answer;
    if (SUCCEEDED((accessible->*property)(self, &text)) && text != nullptr) {
        answer.assign(text, SysStringLen(text));
    }
    SysFreeString(text);
    accessible->Release();
    return answer;
}

// Whether the system's accessible objects answer with an annotated name: a
// button of the driver's own, annotated, asked for its name.
bool AnnotationsHonoured() {
    HWND button = CreateWindowW(L"Button", L"caption", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    IAccPropServices* services = nullptr;
    bool honoured = false;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        services->SetHwndPropStr(button, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, L"annotated");
        honoured = Ask(button, &IAccessible::get_accName) == L"annotated";
        services->Release();
    }
    DestroyWindow(button);
    return honoured;
}

std::wstring CaptionName(const char* caption) {
    std::wstring name = WideFromUtf8(caption);
    if (const auto amp = name.find(L'&'); amp != std::wstring::npos) name.erase(amp, 1);
    return name;
}

}  // namespace

void RunAccessibilityTests(TestContext& context) {
    Checker& check = context.check;
    QuorvaneProcess program(context.program, context.folder.Path());
    if (!CheckStarted(check, program, "accessibility")) return;

    check.Case("accessibility: each control's name and description");
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool annotated = AnnotationsHonoured();
    if (!annotated) {
        std::puts(
            "THIS SYSTEM IGNORES DYNAMIC ANNOTATION: THE NAMES OF THE ANNOTATED CONTROLS ARE "
            "SHOWN BELOW, NOT CHECKED");
    }
    const DialogTemplate& dialog = *FindDialogTemplate(IDD_QUORVANE_DIALOG);
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == IDC_STATIC) continue;
        HWND window = program.Control(control.id);
        const std::wstring name = Ask(window, &IAccessible::get_accName);
        const std::wstring description = Ask(window, &IAccessible::get_accDescription);
        std::printf("control %d: name \"%s\", description \"%s\"\n", control.id,
                    Utf8FromWide(name).c_str(), Utf8FromWide(description).c_str());
        const std::string what = "control " + std::to_string(control.id);
        const AccessibleName* listed = FindAccessibleName(dialog.id, control.id);
        if (listed == nullptr) {
            check.Equal("name of " + what, name, CaptionName(control.text));
        } else if (annotated) {
            check.Equal("name of " + what, name, WideFromUtf8(listed->name));
            check.Equal("description of " + what, description, WideFromUtf8(listed->description));
        }
    }
    CoUninitialize();
}
