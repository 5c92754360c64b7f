#include "window/win32/layout_controls.h"

#include "window/main_form/solver_controls.h"
#include "window/win32/control_ids.h"
#include "window/win32/wide_text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

namespace triangle::win32 {

std::vector<LayoutChild> ChildrenInTabOrder()
{
    std::vector<LayoutChild> children;
    for (const layout::Control& control : layout::Controls())
        children.push_back({control.tabPlace, &control, -1});
    for (std::int16_t i = 0; i < FieldCount; ++i)
        children.push_back({layout::FieldOf(i).tabPlace, nullptr, i});
    std::stable_sort(
        children.begin(), children.end(),
        [](const LayoutChild& x, const LayoutChild& y) { return x.tabPlace < y.tabPlace; });
    return children;
}

int IdOf(const layout::Control& control)
{
    switch (control.kind) {
    case layout::Kind::Label:
        return ids::Of(ids::Label1, control.index);
    case layout::Kind::Frame:
        return ids::Frame1;
    case layout::Kind::OptionButton:
        return ids::Of(ids::Option1, control.index);
    case layout::Kind::PushButton:
        return ids::Of(ids::Command1, control.index);
    case layout::Kind::LongText:
        return ids::Of(ids::Text1, control.index);
    }
    return 0;
}

layout::Place ClientPlace(const layout::Control& control)
{
    if (control.kind != layout::Kind::OptionButton)
        return control.place;
    const layout::Place frame = layout::ControlOf("Frame1", 0).place;
    return {frame.left + control.place.left, frame.top + control.place.top, control.place.width,
            control.place.height};
}

HWND CreateLayoutControl(HWND parent, const layout::Control& control)
{
    const wchar_t* windowClass = WC_BUTTONW;
    DWORD style = WS_CHILD | (control.visible ? WS_VISIBLE : 0);
    DWORD exStyle = 0;
    switch (control.kind) {
    case layout::Kind::Label:
        windowClass = WC_STATICW;
        style |= SS_CENTER | SS_NOPREFIX;
        break;
    case layout::Kind::Frame:
        style |= BS_GROUPBOX | WS_GROUP;
        break;
    case layout::Kind::OptionButton:
        // The six make one group: Tab enters at the chosen one, the arrows move in it.
        style |= BS_AUTORADIOBUTTON | WS_TABSTOP | (control.index == 0 ? WS_GROUP : 0);
        break;
    case layout::Kind::PushButton:
        style |= BS_OWNERDRAW | WS_TABSTOP | WS_GROUP;
        break;
    case layout::Kind::LongText:
        windowClass = WC_EDITW;
        style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    }
    const std::wstring text = Widen(control.text);
    return CreateWindowExW(exStyle, windowClass, text.c_str(), style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(control))),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                           nullptr);
}

} // namespace triangle::win32
