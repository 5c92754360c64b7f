#pragma once

#include <windows.h>

#include <oleacc.h>

#include <new>
#include <optional>
#include <string>
#include <utility>

namespace triangle::win32 {

// An accessible object of a control of the program's own, answering WM_GETOBJECT, that
// says what Windows' own object of the control says (CreateStdAccessibleObject), except
// where a derived object says more. A child id names the object itself (0, CHILDID_SELF, or
// VT_EMPTY, as Windows' own objects take it) or one of its children, 1 to their number; any
// other is E_INVALIDARG. Reference counted as COM asks: made with one reference, which the
// maker gives up (LresultFromObject takes its own). No C++ exception leaves a method.
class StandardAccessible : public IAccessible, public IOleWindow {
public:
    explicit StandardAccessible(HWND control);
    StandardAccessible(const StandardAccessible&) = delete;
    StandardAccessible& operator=(const StandardAccessible&) = delete;

    // What WM_GETOBJECT returns for OBJID_CLIENT with this object; gives up the maker's
    // reference.
    LRESULT answer(WPARAM wParam);
    // The same for an object made with new (std::nothrow): where it could not be made, the
    // control's own answer (DefSubclassProc's).
    static LRESULT Answer(StandardAccessible* object, HWND control, WPARAM wParam, LPARAM lParam);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch, without type information: screen readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;
    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

protected:
    virtual ~StandardAccessible();
    HWND control() const { return m_control; }
    // Whether the children are the derived object's own items, which say nothing but what
    // it answers for them: no value, description, help, shortcut or default action.
    virtual bool ownsItems() const { return false; }
    // The child a child id names, CHILDID_SELF for the object itself; none for no child.
    std::optional<long> childOf(const VARIANT& child);

private:
    template <class Question> HRESULT askAbout(const VARIANT& child, Question question);
    HRESULT askText(const VARIANT& child, BSTR* text,
                    HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, BSTR*));

    LONG m_references = 1;
    HWND m_control;
    IAccessible* m_standard = nullptr; // null where Windows has none to give
};

// A control's object as Windows' own says it, but with a name of the program's: a text
// shown with symbols, named in words.
class NamedAccessible final : public StandardAccessible {
public:
    NamedAccessible(HWND control, std::wstring name)
        : StandardAccessible(control), m_name(std::move(name))
    {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;

private:
    std::wstring m_name;
};

// A text as MSAA hands it out: a BSTR the caller frees.
HRESULT PutText(const wchar_t* text, BSTR* out);

// A child id as MSAA passes it.
VARIANT ChildId(long id);

// The child id `child` names among `count` children: CHILDID_SELF for the object itself,
// which VT_EMPTY names too, 1 to `count` for a child; none for any other.
std::optional<long> ChildOf(const VARIANT& child, long count);

// A COM method's body run so that no C++ exception leaves it: an allocation that fails is
// E_OUTOFMEMORY.
template <class Body> HRESULT Guarded(Body body) noexcept
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

} // namespace triangle::win32
