#include "window/win32/field_tips.h"

#include "solver/variant/variant_solver.h"
#include "window/main_form/form_layout.h"
#include "window/text/field_tip.h"
#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/colours.h"
#include "window/win32/control_ids.h"
#include "window/win32/standard_accessible.h"
#include "window/win32/wide_text.h"

#include <commctrl.h>

namespace triangle::win32 {

namespace {

// Wide enough for the longest line of a row's whole triangle, at 96 DPI.
constexpr int ToolTipWidth = 420;

} // namespace

void FieldTips::create(HWND owner)
{
    m_owner = owner;
    m_toolTips = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
    SetWindowSubclass(m_toolTips, &FieldTips::TipsProc, 0, reinterpret_cast<DWORD_PTR>(this));
    // A disabled field gets no mouse messages, its window does: its tip is a place on the
    // window; an enabled control's tip is the control itself.
    for (std::int16_t i = 0; i < FieldCount; ++i) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = m_owner;
        tool.lpszText = const_cast<wchar_t*>(L"");
        if (layout::FieldOf(i).result) {
            tool.uFlags = TTF_SUBCLASS;
            tool.uId = static_cast<UINT_PTR>(ids::Of(ids::Text2, i));
        } else {
            tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
            tool.uId = reinterpret_cast<UINT_PTR>(m_fields[static_cast<std::size_t>(i)].window());
        }
        SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        update(i);
    }
    // Shift+F1 shows a field's whole tip beside it, where the keyboard's user is.
    TTTOOLINFOW details{};
    details.cbSize = sizeof(details);
    details.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    details.hwnd = m_owner;
    details.uId = static_cast<UINT_PTR>(ids::ShowDetails);
    details.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&details));
}

void FieldTips::addTip(HWND control, const char* tip)
{
    const std::wstring text = Widen(tip);
    m_accessibility.setDescription(control, text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = m_owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FieldTips::layOut(int dpi)
{
    for (std::int16_t i = 0; i < FieldCount; ++i) {
        if (!layout::FieldOf(i).result)
            continue;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = m_owner;
        tool.uId = static_cast<UINT_PTR>(ids::Of(ids::Text2, i));
        tool.rect = PixelRect(layout::FieldOf(i).place, dpi);
        SendMessageW(m_toolTips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(m_toolTips, TTM_SETMAXTIPWIDTH, 0, MulDiv(ToolTipWidth, dpi, 96));
}

std::wstring FieldTips::tipText(std::int16_t field, bool spoken) const
{
    const FieldTip tip = FieldTipOf(texts::QuantityTips[field % ColumnCount],
                                    Narrow(m_fields[static_cast<std::size_t>(field)].text()),
                                    m_rowDetails[static_cast<std::size_t>(field / ColumnCount)],
                                    texts::OtherPairsHint);
    // The tooltip breaks lines at CR LF.
    std::wstring wide;
    for (const wchar_t c : Widen(spoken ? tip.spoken : tip.shown)) {
        if (c == L'\n')
            wide += L'\r';
        wide += c;
    }
    return wide;
}

std::wstring FieldTips::spokenCurrentTip() const
{
    // The tooltip answers WM_GETTEXT with the text it shows now, also while Shift+F1 tracks
    // it, for which the current tool is not reported everywhere (Wine).
    const std::wstring shown = WindowText(m_toolTips);
    for (std::int16_t i = 0; i < FieldCount; ++i) {
        if (!shown.empty() && tipText(i) == shown)
            return tipText(i, true);
    }
    return {};
}

LRESULT CALLBACK FieldTips::TipsProc(HWND tips, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR fieldTips)
{
    // A tooltip's name is the text it shows; a field's is said in words instead.
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        std::wstring spoken = reinterpret_cast<const FieldTips*>(fieldTips)->spokenCurrentTip();
        if (!spoken.empty())
            return StandardAccessible::Answer(
                new (std::nothrow) NamedAccessible(tips, std::move(spoken)), tips, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(tips, &FieldTips::TipsProc, 0);
    return DefSubclassProc(tips, message, wParam, lParam);
}

void FieldTips::update(std::int16_t field)
{
    if (!m_toolTips)
        return;
    HWND edit = m_fields[static_cast<std::size_t>(field)].window();
    std::wstring tip = tipText(field);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_owner;
    if (layout::FieldOf(field).result)
        tool.uId = static_cast<UINT_PTR>(ids::Of(ids::Text2, field));
    else
        tool.uId = reinterpret_cast<UINT_PTR>(edit);
    tool.lpszText = tip.data();
    SendMessageW(m_toolTips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    m_accessibility.setDescription(edit, tipText(field, true));
}

void FieldTips::setRowDetails(std::int16_t row, const std::string& details)
{
    m_rowDetails.at(static_cast<std::size_t>(row)) = details;
    // A tip shown by Shift+F1 would go on describing the triangle the row no longer shows.
    hideDetails();
    for (std::int16_t j = 0; j < ColumnCount; ++j)
        update(static_cast<std::int16_t>(row * ColumnCount + j));
}

bool FieldTips::hasDetails(std::int16_t field) const
{
    return !m_rowDetails[static_cast<std::size_t>(field / ColumnCount)].empty();
}

void FieldTips::showDetails(std::int16_t field)
{
    if (!hasDetails(field))
        return;
    std::wstring tip = tipText(field);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_owner;
    tool.uId = static_cast<UINT_PTR>(ids::ShowDetails);
    tool.lpszText = tip.data();
    SendMessageW(m_toolTips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    // Beside the field's right edge, where it covers none of the row.
    RECT place{};
    GetWindowRect(m_fields[static_cast<std::size_t>(field)].window(), &place);
    SendMessageW(m_toolTips, TTM_TRACKPOSITION, 0, MAKELPARAM(place.right, place.top));
    SendMessageW(m_toolTips, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void FieldTips::hideDetails()
{
    if (!m_toolTips)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_owner;
    tool.uId = static_cast<UINT_PTR>(ids::ShowDetails);
    SendMessageW(m_toolTips, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

} // namespace triangle::win32
