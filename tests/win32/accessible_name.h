#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

// What a screen reader reads as a control's name (or its child's), asked through MSAA as a
// screen reader asks; empty where there is none.
inline std::wstring AccessibleName(HWND control, long child = CHILDID_SELF)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return {};
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    BSTR name = nullptr;
    std::wstring result;
    if (object->get_accName(id, &name) == S_OK && name)
        result = name;
    SysFreeString(name);
    object->Release();
    return result;
}
