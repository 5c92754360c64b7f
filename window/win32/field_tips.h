#pragma once

#include "solver/number/field_number.h"
#include "window/main_form/solver_controls.h"
#include "window/win32/accessibility.h"
#include "window/win32/fitting_field.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace triangle::win32 {

// The main window's tooltips: each field's quantity and text, and after a calculation its
// row's whole triangle, which Shift+F1 also shows beside the field; and the plain tips of
// other controls. A screen reader gets each tip as its control's description, and a field's
// tip also as the tooltip's name while it shows, the whole triangle in words ("катет b,
// равно на 5 корен квадратен от 3…") while the tip shows its symbols.
class FieldTips {
public:
    FieldTips(const std::array<FittingField, FieldCount>& fields, Accessibility& accessibility)
        : m_fields(fields), m_accessibility(accessibility)
    {}
    FieldTips(const FieldTips&) = delete;
    FieldTips& operator=(const FieldTips&) = delete;

    // Makes the tooltip control and a tool for every field, once the fields exist.
    void create(HWND owner);
    void addTip(HWND control, const char* tip);
    // After the window was laid out at dpi: the places of the disabled fields' tips.
    void layOut(int dpi);
    HWND window() const { return m_toolTips; }

    // The field's text changed.
    void update(std::int16_t field);
    // The whole triangle of row k, or the empty text for none.
    void setRowDetails(std::int16_t row, const std::string& details);
    bool hasDetails(std::int16_t field) const;
    void showDetails(std::int16_t field);
    void hideDetails();
    // The tooltip control goes with its owner.
    void forget() { m_toolTips = nullptr; }

private:
    // The field's tip as shown, or with the whole triangle in words.
    std::wstring tipText(std::int16_t field, bool spoken = false) const;
    // The spoken tip of the field whose tip the tooltip shows now; empty for another tip.
    std::wstring spokenCurrentTip() const;
    static LRESULT CALLBACK TipsProc(HWND tips, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR fieldTips);

    const std::array<FittingField, FieldCount>& m_fields;
    Accessibility& m_accessibility;
    HWND m_owner = nullptr;
    HWND m_toolTips = nullptr;
    // Each row's whole triangle, empty while the row has none.
    std::array<std::string, 6> m_rowDetails;
};

} // namespace triangle::win32
