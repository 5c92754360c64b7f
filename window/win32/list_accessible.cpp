#include "window/win32/list_accessible.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace triangle::win32 {

namespace {

// The lines selected, as MSAA hands out a selection of several children: their child ids,
// one after another.
class SelectedItems final : public IEnumVARIANT {
public:
    explicit SelectedItems(std::vector<long> ids, std::size_t at = 0)
        : m_ids(std::move(ids)), m_at(at)
    {}
    SelectedItems(const SelectedItems&) = delete;
    SelectedItems& operator=(const SelectedItems&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (id != __uuidof(IUnknown) && id != __uuidof(IEnumVARIANT)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IEnumVARIANT*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return static_cast<ULONG>(InterlockedIncrement(&m_references));
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override
    {
        if (!items)
            return E_POINTER;
        ULONG given = 0;
        for (; given < count && m_at < m_ids.size(); ++given)
            items[given] = ChildId(m_ids[m_at++]);
        if (fetched)
            *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        m_at = std::min(m_ids.size(), m_at + count);
        return m_at < m_ids.size() ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override
    {
        m_at = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override
    {
        if (!copy)
            return E_POINTER;
        return Guarded([&] {
            *copy = new (std::nothrow) SelectedItems(m_ids, m_at);
            return *copy ? S_OK : E_OUTOFMEMORY;
        });
    }

private:
    ~SelectedItems() = default;

    LONG m_references = 1;
    std::vector<long> m_ids;
    std::size_t m_at;
};

} // namespace

int ListAccessible::count() const
{
    return std::max(0, ListBox_GetCount(control()));
}

int ListAccessible::itemOf(const VARIANT& child)
{
    const std::optional<long> id = childOf(child);
    if (!id)
        return Invalid;
    return *id == CHILDID_SELF ? Self : static_cast<int>(*id - 1);
}

HRESULT ListAccessible::get_accChildCount(long* count)
{
    if (!count)
        return E_POINTER;
    *count = this->count();
    return S_OK;
}

HRESULT ListAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    // Items are simple elements of the list, named by their child ids.
    return itemOf(child) >= 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT ListAccessible::get_accName(VARIANT child, BSTR* name)
{
    const int item = itemOf(child);
    if (item == Self)
        return StandardAccessible::get_accName(child, name);
    if (item == Invalid)
        return E_INVALIDARG;
    const std::shared_ptr<const std::vector<std::wstring>> spoken = m_spoken.lock();
    if (!spoken || static_cast<std::size_t>(item) >= spoken->size())
        return E_FAIL;
    return PutText((*spoken)[static_cast<std::size_t>(item)].c_str(), name);
}

HRESULT ListAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    const int item = itemOf(child);
    if (item == Invalid)
        return E_INVALIDARG;
    if (!role)
        return E_POINTER;
    *role = ChildId(item == Self ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM);
    return S_OK;
}

HRESULT ListAccessible::get_accState(VARIANT child, VARIANT* state)
{
    const int item = itemOf(child);
    if (item == Self)
        return StandardAccessible::get_accState(child, state);
    if (item == Invalid)
        return E_INVALIDARG;
    if (!state)
        return E_POINTER;
    HWND list = control();
    long flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (ListBox_GetSel(list, item) > 0)
        flags |= STATE_SYSTEM_SELECTED;
    if (GetFocus() == list && ListBox_GetCaretIndex(list) == item)
        flags |= STATE_SYSTEM_FOCUSED;
    RECT place{};
    RECT client{};
    GetClientRect(list, &client);
    ListBox_GetItemRect(list, item, &place);
    if (place.bottom <= client.top || place.top >= client.bottom)
        flags |= STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_INVISIBLE;
    // An item with no words goes on showing the one before it: a reader passes over it.
    const std::shared_ptr<const std::vector<std::wstring>> spoken = m_spoken.lock();
    if (spoken && static_cast<std::size_t>(item) < spoken->size() &&
        (*spoken)[static_cast<std::size_t>(item)].empty())
        flags = STATE_SYSTEM_INVISIBLE;
    *state = ChildId(flags);
    return S_OK;
}

HRESULT ListAccessible::get_accFocus(VARIANT* focus)
{
    if (!focus)
        return E_POINTER;
    VariantInit(focus);
    HWND list = control();
    if (GetFocus() != list)
        return S_FALSE;
    *focus = ChildId(count() > 0 ? ListBox_GetCaretIndex(list) + 1 : CHILDID_SELF);
    return S_OK;
}

HRESULT ListAccessible::get_accSelection(VARIANT* selection)
{
    if (!selection)
        return E_POINTER;
    VariantInit(selection);
    HWND list = control();
    const int selected = ListBox_GetSelCount(list);
    if (selected <= 0)
        return S_FALSE;
    return Guarded([&] {
        std::vector<int> items(static_cast<std::size_t>(selected));
        ListBox_GetSelItems(list, selected, items.data());
        if (selected == 1) {
            *selection = ChildId(items.front() + 1);
            return S_OK;
        }
        std::vector<long> ids;
        for (int i : items)
            ids.push_back(i + 1);
        auto* enumeration = new (std::nothrow) SelectedItems(std::move(ids));
        if (!enumeration)
            return E_OUTOFMEMORY;
        selection->vt = VT_UNKNOWN;
        selection->punkVal = enumeration;
        return S_OK;
    });
}

HRESULT ListAccessible::accSelect(long flags, VARIANT child)
{
    const int item = itemOf(child);
    if (item == Self)
        return StandardAccessible::accSelect(flags, child);
    if (item == Invalid)
        return E_INVALIDARG;
    HWND list = control();
    if (flags & SELFLAG_TAKEFOCUS) {
        SetFocus(list);
        ListBox_SetCaretIndex(list, item);
    }
    if (flags & SELFLAG_TAKESELECTION) {
        ListBox_SetSel(list, FALSE, -1);
        ListBox_SetSel(list, TRUE, item);
    }
    if (flags & SELFLAG_ADDSELECTION)
        ListBox_SetSel(list, TRUE, item);
    if (flags & SELFLAG_REMOVESELECTION)
        ListBox_SetSel(list, FALSE, item);
    return S_OK;
}

HRESULT ListAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    const int item = itemOf(child);
    if (item == Self)
        return StandardAccessible::accLocation(left, top, width, height, child);
    if (item == Invalid)
        return E_INVALIDARG;
    if (!left || !top || !width || !height)
        return E_POINTER;
    RECT place{};
    if (ListBox_GetItemRect(control(), item, &place) == LB_ERR)
        return E_FAIL;
    MapWindowPoints(control(), nullptr, reinterpret_cast<POINT*>(&place), 2);
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

HRESULT ListAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    const int item = itemOf(start);
    if (item == Invalid)
        return E_INVALIDARG;
    if (!end)
        return E_POINTER;
    VariantInit(end);
    int to = Invalid;
    if (item == Self) {
        if (direction == NAVDIR_FIRSTCHILD)
            to = 0;
        else if (direction == NAVDIR_LASTCHILD)
            to = count() - 1;
        else
            return StandardAccessible::accNavigate(direction, start, end);
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) {
        to = item + 1;
    } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) {
        to = item - 1;
    }
    if (to < 0 || to >= count())
        return S_FALSE;
    *end = ChildId(to + 1);
    return S_OK;
}

HRESULT ListAccessible::accHitTest(long left, long top, VARIANT* child)
{
    if (!child)
        return E_POINTER;
    VariantInit(child);
    HWND list = control();
    POINT at{left, top};
    ScreenToClient(list, &at);
    RECT client{};
    GetClientRect(list, &client);
    if (!PtInRect(&client, at))
        return S_FALSE;
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
    // The high word says the point is below the last item.
    *child = ChildId(HIWORD(hit) == 0 ? LOWORD(hit) + 1 : CHILDID_SELF);
    return S_OK;
}

HRESULT ListAccessible::accDoDefaultAction(VARIANT child)
{
    const int item = itemOf(child);
    if (item == Self)
        return StandardAccessible::accDoDefaultAction(child);
    return item == Invalid ? E_INVALIDARG : DISP_E_MEMBERNOTFOUND;
}

} // namespace triangle::win32
