#include "window/win32/field_grid.h"

#include "solver/variant/variant_solver.h"
#include "window/main_form/form_layout.h"
#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/colours.h"
#include "window/win32/control_ids.h"
#include "window/win32/wide_text.h"

#include <commctrl.h>
#include <windowsx.h>

namespace triangle::win32 {

void FieldGrid::createField(HWND owner, std::int16_t field, FontSet& fonts, HBRUSH resultBrush)
{
    const layout::Field place = layout::FieldOf(field);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_CENTER | ES_AUTOHSCROLL |
                        (place.result ? WS_DISABLED : 0);
    HWND edit = CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_EDITW, L"", style, 0, 0, 0, 0, owner,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::Of(ids::Text2, field))),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
    m_fields.at(static_cast<std::size_t>(field))
        .attach(edit, fonts, place.bold, place.result ? resultBrush : nullptr);
    // No label stands before a field, so a screen reader is told its name.
    m_accessibility.setName(edit, Widen(texts::Variants[field / ColumnCount]) + L", " +
                                      Widen(texts::QuantityNames[field % ColumnCount]));
}

void FieldGrid::layOut(int dpi)
{
    for (std::int16_t i = 0; i < FieldCount; ++i) {
        const RECT place = PixelRect(layout::FieldOf(i).place, dpi);
        FittingField& field = m_fields[static_cast<std::size_t>(i)];
        SetWindowPos(field.window(), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        field.fit();
    }
    m_tips.layOut(dpi);
}

std::string FieldGrid::text(std::int16_t field) const
{
    return Narrow(at(field).text());
}

void FieldGrid::setText(std::int16_t field, const std::string& text)
{
    m_settingText = true;
    SetEditText(window(field), Widen(text));
    m_settingText = false;
}

void FieldGrid::setLocked(std::int16_t field, bool locked)
{
    HWND edit = window(field);
    Edit_SetReadOnly(edit, locked);
    InvalidateRect(edit, nullptr, TRUE);
}

void FieldGrid::focus(std::int16_t field)
{
    FocusEdit(window(field));
}

bool FieldGrid::changed(std::int16_t field)
{
    m_fields.at(static_cast<std::size_t>(field)).fit();
    m_tips.update(field);
    return !m_settingText;
}

} // namespace triangle::win32
