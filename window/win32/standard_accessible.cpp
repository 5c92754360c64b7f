#include "window/win32/standard_accessible.h"

namespace triangle::win32 {

HRESULT PutText(const wchar_t* text, BSTR* out)
{
    if (!out)
        return E_INVALIDARG;
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

StandardAccessible::StandardAccessible(HWND control) : m_control(control)
{
    CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                              reinterpret_cast<void**>(&m_standard));
}

StandardAccessible::~StandardAccessible()
{
    if (m_standard)
        m_standard->Release();
}

LRESULT StandardAccessible::answer(WPARAM wParam)
{
    const LRESULT result =
        LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(this));
    Release();
    return result;
}

HRESULT StandardAccessible::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible))
        *object = static_cast<IAccessible*>(this);
    else if (id == __uuidof(IOleWindow))
        *object = static_cast<IOleWindow*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG StandardAccessible::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG StandardAccessible::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT StandardAccessible::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT StandardAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT StandardAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT StandardAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*)
{
    return E_NOTIMPL;
}

HRESULT StandardAccessible::GetWindow(HWND* window)
{
    if (!window)
        return E_POINTER;
    *window = m_control;
    return S_OK;
}

HRESULT StandardAccessible::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

// Each question goes to Windows' own object of the control, where there is one.
#define TRIANGLE_ASK_STANDARD(call) return m_standard ? m_standard->call : E_FAIL

HRESULT StandardAccessible::get_accParent(IDispatch** parent)
{
    TRIANGLE_ASK_STANDARD(get_accParent(parent));
}
HRESULT StandardAccessible::get_accChildCount(long* count)
{
    TRIANGLE_ASK_STANDARD(get_accChildCount(count));
}
HRESULT StandardAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    TRIANGLE_ASK_STANDARD(get_accChild(child, object));
}
HRESULT StandardAccessible::get_accName(VARIANT child, BSTR* name)
{
    TRIANGLE_ASK_STANDARD(get_accName(child, name));
}
HRESULT StandardAccessible::get_accValue(VARIANT child, BSTR* value)
{
    TRIANGLE_ASK_STANDARD(get_accValue(child, value));
}
HRESULT StandardAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    TRIANGLE_ASK_STANDARD(get_accDescription(child, description));
}
HRESULT StandardAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    TRIANGLE_ASK_STANDARD(get_accRole(child, role));
}
HRESULT StandardAccessible::get_accState(VARIANT child, VARIANT* state)
{
    TRIANGLE_ASK_STANDARD(get_accState(child, state));
}
HRESULT StandardAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    TRIANGLE_ASK_STANDARD(get_accHelp(child, help));
}
HRESULT StandardAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic)
{
    TRIANGLE_ASK_STANDARD(get_accHelpTopic(file, child, topic));
}
HRESULT StandardAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    TRIANGLE_ASK_STANDARD(get_accKeyboardShortcut(child, shortcut));
}
HRESULT StandardAccessible::get_accFocus(VARIANT* focus)
{
    TRIANGLE_ASK_STANDARD(get_accFocus(focus));
}
HRESULT StandardAccessible::get_accSelection(VARIANT* selection)
{
    TRIANGLE_ASK_STANDARD(get_accSelection(selection));
}
HRESULT StandardAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    TRIANGLE_ASK_STANDARD(get_accDefaultAction(child, action));
}
HRESULT StandardAccessible::accSelect(long flags, VARIANT child)
{
    TRIANGLE_ASK_STANDARD(accSelect(flags, child));
}
HRESULT StandardAccessible::accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child)
{
    TRIANGLE_ASK_STANDARD(accLocation(left, top, width, height, child));
}
HRESULT StandardAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    TRIANGLE_ASK_STANDARD(accNavigate(direction, start, end));
}
HRESULT StandardAccessible::accHitTest(long left, long top, VARIANT* child)
{
    TRIANGLE_ASK_STANDARD(accHitTest(left, top, child));
}
HRESULT StandardAccessible::accDoDefaultAction(VARIANT child)
{
    TRIANGLE_ASK_STANDARD(accDoDefaultAction(child));
}
HRESULT StandardAccessible::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}
HRESULT StandardAccessible::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

#undef TRIANGLE_ASK_STANDARD

HRESULT NamedAccessible::get_accName(VARIANT child, BSTR* name)
{
    if (child.vt == VT_I4 && child.lVal == CHILDID_SELF)
        return PutText(m_name.c_str(), name);
    return StandardAccessible::get_accName(child, name);
}

} // namespace triangle::win32
