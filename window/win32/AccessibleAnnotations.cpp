#include "AccessibleAnnotations.h"

#include <iterator>

#include "AccessibleNames.h"
#include "Utf8Text.h"

namespace quorvane::window::win32 {

namespace {

const MSAAPROPID kAnnotated[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};

template <class Visit>
void ForEachListedControl(HWND dialog, int dialogId, Visit visit) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (const AccessibleName* listed = FindAccessibleName(dialogId, GetDlgCtrlID(child))) {
            visit(child, *listed);
        }
    }
}

}  // namespace

void AccessibleAnnotations::Annotate(HWND dialog, int dialogId) {
    Clear();
    m_comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&m_services)))) {
        m_services = nullptr;
        return;
    }
    m_dialog = dialog;
    m_dialogId = dialogId;
    ForEachListedControl(dialog, dialogId, [this](HWND control, const AccessibleName& listed) {
        m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_NAME, WideFromUtf8(listed.name).c_str());
        if (*listed.description != '\0') {
            m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       PROPID_ACC_DESCRIPTION,
                                       WideFromUtf8(listed.description).c_str());
        }
    });
}

void AccessibleAnnotations::Clear() {
    if (m_services != nullptr) {
        ForEachListedControl(m_dialog, m_dialogId, [this](HWND control, const AccessibleName&) {
            m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       kAnnotated, static_cast<int>(std::size(kAnnotated)));
        });
        m_services->Release();
        m_services = nullptr;
    }
    if (m_comStarted) CoUninitialize();
    m_comStarted = false;
    m_dialog = nullptr;
}

}  // namespace quorvane::window::win32
