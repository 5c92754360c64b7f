#pragma once

#include "window/win32/standard_accessible.h"

#include <string>

namespace triangle::win32 {

// The message a list box answers, once the program has subclassed it, with what a screen
// reader is to say for an item: wParam the item's index, lParam a std::wstring* to fill;
// nonzero when filled.
UINT SpokenItemMessage();

// The accessible object of a list box whose items a screen reader reads in the words the
// list box gives (SpokenItemMessage), not as drawn: each item a child with its name, role,
// state and place, answered from the list box itself, so that they do not depend on what
// Windows' own object of a list box offers (Wine's offers no items). The list itself is as
// Windows' own object says, with the role of a list.
class ListAccessible final : public StandardAccessible {
public:
    explicit ListAccessible(HWND list) : StandardAccessible(list) {}

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
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

private:
    // The item a child id names: its index, Self for the list, Invalid for no child.
    static constexpr int Self = -1;
    static constexpr int Invalid = -2;
    int itemOf(const VARIANT& child) const;
    int count() const;
};

} // namespace triangle::win32
