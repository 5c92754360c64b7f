#pragma once

#include "window/win32/standard_accessible.h"

#include <memory>
#include <string>
#include <vector>

namespace triangle::win32 {

// The accessible object of a list box whose items a screen reader reads in words the list's
// owner gives, not as drawn: each item a child with its name, role, state and place, answered from
// the list box itself, so that they do not depend on what Windows' own object of a list box
// offers (Wine's offers no items). An item given no words is the rest of the item before it,
// which a reader passes over as invisible. The list itself is as Windows' own object says,
// with the role of a list.
class ListAccessible final : public StandardAccessible {
public:
    // What a screen reader is to say for each item, in the items' order: held by the list's
    // owner, who may go before the object does.
    using SpokenItems = std::weak_ptr<const std::vector<std::wstring>>;

    ListAccessible(HWND list, SpokenItems spoken)
        : StandardAccessible(list), m_spoken(std::move(spoken))
    {}

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    // Of the list and of an item.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

protected:
    bool ownsItems() const override { return true; }

private:
    // The item a child id names: its index, Self for the list, Invalid for no child.
    static constexpr int Self = -1;
    static constexpr int Invalid = -2;
    int itemOf(const VARIANT& child);
    int count() const;

    SpokenItems m_spoken;
};

} // namespace triangle::win32
