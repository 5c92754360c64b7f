#include "window/win32/accessibility.h"

#include <initguid.h>

namespace triangle::win32 {

namespace {

// UI Automation's LiveSetting property, and its value Polite: read when the reader is idle.
DEFINE_GUID(LiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr int Polite = 1;

} // namespace

IAccPropServices* Accessibility::Services()
{
    IAccPropServices* services = nullptr;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&services));
    return services;
}

void Accessibility::setName(HWND control, const std::wstring& name)
{
    if (m_services)
        m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_NAME, name.c_str());
}

void Accessibility::setDescription(HWND control, const std::wstring& description)
{
    if (m_services)
        m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_DESCRIPTION, description.c_str());
}

void Accessibility::makeLiveRegion(HWND control)
{
    if (!m_services)
        return;
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = Polite;
    m_services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            LiveSettingProperty, polite);
}

void Accessibility::liveRegionChanged(HWND control)
{
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

void Accessibility::clear(HWND control)
{
    if (!m_services)
        return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, LiveSettingProperty};
    m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties,
                               static_cast<int>(std::size(properties)));
}

} // namespace triangle::win32
