#pragma once

#include "window/main_form/solver_controls.h"
#include "window/win32/accessibility.h"
#include "window/win32/field_tips.h"
#include "window/win32/fitting_field.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace triangle::win32 {

// The main window's 6 × 4 grid of fields: Windows' edits that fit their text, named for a
// screen reader, with their tips; the program's own writes are told apart from the user's
// edits.
class FieldGrid {
public:
    explicit FieldGrid(Accessibility& accessibility) : m_accessibility(accessibility) {}
    FieldGrid(const FieldGrid&) = delete;
    FieldGrid& operator=(const FieldGrid&) = delete;

    // Fields are made one by one, in the order of the window's tab places.
    void createField(HWND owner, std::int16_t field, FontSet& fonts, HBRUSH resultBrush);
    // The tooltips, once every field exists.
    void createTips(HWND owner) { m_tips.create(owner); }
    void layOut(int dpi);

    HWND window(std::int16_t field) const { return at(field).window(); }
    FieldTips& tips() { return m_tips; }
    std::string text(std::int16_t field) const;
    void setText(std::int16_t field, const std::string& text);
    void setLocked(std::int16_t field, bool locked);
    void focus(std::int16_t field);
    // After EN_CHANGE: fits the text and its tip again; true where the change was the user's.
    bool changed(std::int16_t field);

private:
    const FittingField& at(std::int16_t field) const
    {
        return m_fields.at(static_cast<std::size_t>(field));
    }

    Accessibility& m_accessibility;
    std::array<FittingField, FieldCount> m_fields;
    FieldTips m_tips{m_fields, m_accessibility};
    // Set while the program writes a field.
    bool m_settingText = false;
};

} // namespace triangle::win32
