#pragma once

#include "window/win32/gdi_object.h"

#include <windows.h>

#include <map>
#include <string>
#include <utility>

namespace triangle::win32 {

// Times New Roman with the Cyrillic letters at one screen's DPI, in every half point size a
// field may take, regular and bold; made when first asked for.
class FontSet {
public:
    static constexpr int LargestHalfPoints = 24; // the window font's 12 pt
    static constexpr int SmallestHalfPoints = 12;

    explicit FontSet(int dpi = USER_DEFAULT_SCREEN_DPI) : m_dpi(dpi) {}
    int dpi() const { return m_dpi; }
    void setDpi(int dpi);
    HFONT font(int halfPoints, bool bold);
    HFONT windowFont(bool bold = false) { return font(LargestHalfPoints, bold); }

private:
    int m_dpi;
    std::map<std::pair<int, bool>, Font> m_fonts;
};

// One of the 24 single-line fields. It never shows a number cut by its edge: whenever the text
// is wider than the field, it takes the largest size, in half points from 12 pt down to 6 pt,
// that shows the text whole; a text too wide even then is drawn with an ellipsis where it is
// cut while the field lacks the focus. A disabled result field draws its text black on its
// colour, to be read easily.
class FittingField {
public:
    FittingField() = default;
    FittingField(const FittingField&) = delete;
    FittingField& operator=(const FittingField&) = delete;
    ~FittingField();

    void attach(HWND edit, FontSet& fonts, bool bold, HBRUSH resultBrush);
    HWND window() const { return m_hwnd; }
    // Chooses the size again: after the text, the DPI or the field's width changed.
    void fit();
    int halfPoints() const { return m_halfPoints; }
    bool isElided() const { return m_elided; }
    std::wstring text() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    bool drawsItself() const;
    void paint(HDC dc) const;
    int textWidth() const;

    HWND m_hwnd = nullptr;
    FontSet* m_fonts = nullptr;
    bool m_bold = false;
    HBRUSH m_resultBrush = nullptr; // not owned; null for a given field
    int m_halfPoints = FontSet::LargestHalfPoints;
    bool m_elided = false;
};

} // namespace triangle::win32
