#include "window/win32/standard_accessible.h"

#include <commctrl.h>

namespace triangle::win32 {

HRESULT PutText(const wchar_t* text, BSTR* out)
{
    if (!out)
        return E_INVALIDARG;
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

VARIANT ChildId(long id)
{
    VARIANT result;
    VariantInit(&result);
    result.vt = VT_I4;
    result.lVal = id;
    return result;
}

std::optional<long> ChildOf(const VARIANT& child, long count)
{
    if (child.vt == VT_EMPTY)
        return CHILDID_SELF;
    if (child.vt == VT_I4 && child.lVal >= CHILDID_SELF && child.lVal <= count)
        return child.lVal;
    return std::nullopt;
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

LRESULT StandardAccessible::Answer(StandardAccessible* object, HWND control, WPARAM wParam,
                                   LPARAM lParam)
{
    return object ? object->answer(wParam) : DefSubclassProc(control, WM_GETOBJECT, wParam, lParam);
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

std::optional<long> StandardAccessible::childOf(const VARIANT& child)
{
    long count = 0;
    if (get_accChildCount(&count) != S_OK)
        count = 0;
    return ChildOf(child, count);
}

// A question about a child goes to Windows' own object, where there is one, with the child
// id as that object takes it.
template <class Question>
HRESULT StandardAccessible::askAbout(const VARIANT& child, Question question)
{
    const std::optional<long> id = childOf(child);
    if (!id)
        return E_INVALIDARG;
    return m_standard ? question(*m_standard, ChildId(*id)) : E_FAIL;
}

HRESULT StandardAccessible::askText(const VARIANT& child, BSTR* text,
                                    HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT,
                                                                                       BSTR*))
{
    const std::optional<long> id = childOf(child);
    if (id && *id != CHILDID_SELF && ownsItems()) {
        // As MSAA says "none".
        if (!text)
            return E_POINTER;
        *text = nullptr;
        return S_FALSE;
    }
    return askAbout(
        child, [&](IAccessible& standard, VARIANT id) { return (standard.*question)(id, text); });
}

HRESULT StandardAccessible::get_accParent(IDispatch** parent)
{
    return m_standard ? m_standard->get_accParent(parent) : E_FAIL;
}

HRESULT StandardAccessible::get_accChildCount(long* count)
{
    return m_standard ? m_standard->get_accChildCount(count) : E_FAIL;
}

HRESULT StandardAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    return askAbout(child, [&](IAccessible& standard, VARIANT id) {
        return standard.get_accChild(id, object);
    });
}

HRESULT StandardAccessible::get_accName(VARIANT child, BSTR* name)
{
    return askText(child, name, &IAccessible::get_accName);
}

HRESULT StandardAccessible::get_accValue(VARIANT child, BSTR* value)
{
    return askText(child, value, &IAccessible::get_accValue);
}

HRESULT StandardAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    return askText(child, description, &IAccessible::get_accDescription);
}

HRESULT StandardAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    return askAbout(
        child, [&](IAccessible& standard, VARIANT id) { return standard.get_accRole(id, role); });
}

HRESULT StandardAccessible::get_accState(VARIANT child, VARIANT* state)
{
    return askAbout(
        child, [&](IAccessible& standard, VARIANT id) { return standard.get_accState(id, state); });
}

HRESULT StandardAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    return askText(child, help, &IAccessible::get_accHelp);
}

HRESULT StandardAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic)
{
    return askAbout(child, [&](IAccessible& standard, VARIANT id) {
        return standard.get_accHelpTopic(file, id, topic);
    });
}

HRESULT StandardAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    return askText(child, shortcut, &IAccessible::get_accKeyboardShortcut);
}

HRESULT StandardAccessible::get_accFocus(VARIANT* focus)
{
    return m_standard ? m_standard->get_accFocus(focus) : E_FAIL;
}

HRESULT StandardAccessible::get_accSelection(VARIANT* selection)
{
    return m_standard ? m_standard->get_accSelection(selection) : E_FAIL;
}

HRESULT StandardAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    return askText(child, action, &IAccessible::get_accDefaultAction);
}

HRESULT StandardAccessible::accSelect(long flags, VARIANT child)
{
    return askAbout(
        child, [&](IAccessible& standard, VARIANT id) { return standard.accSelect(flags, id); });
}

HRESULT StandardAccessible::accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child)
{
    return askAbout(child, [&](IAccessible& standard, VARIANT id) {
        return standard.accLocation(left, top, width, height, id);
    });
}

HRESULT StandardAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    return askAbout(start, [&](IAccessible& standard, VARIANT id) {
        return standard.accNavigate(direction, id, end);
    });
}

HRESULT StandardAccessible::accHitTest(long left, long top, VARIANT* child)
{
    return m_standard ? m_standard->accHitTest(left, top, child) : E_FAIL;
}

HRESULT StandardAccessible::accDoDefaultAction(VARIANT child)
{
    return askAbout(
        child, [](IAccessible& standard, VARIANT id) { return standard.accDoDefaultAction(id); });
}

HRESULT StandardAccessible::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

HRESULT StandardAccessible::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

HRESULT NamedAccessible::get_accName(VARIANT child, BSTR* name)
{
    if (childOf(child) == CHILDID_SELF)
        return PutText(m_name.c_str(), name);
    return StandardAccessible::get_accName(child, name);
}

} // namespace triangle::win32
