#pragma once

#include "window/win32/gdi_object.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace triangle::win32 {

// The calculation step by step under a caption that names it for a screen reader (the
// static just before a control in the order of the children names it), black on white in a
// large face, from the back of a classroom too. A list with one step an item, which the
// arrow keys go through line by line; each item is drawn here, wrapped at the list's width,
// and a screen reader hears it in words (its spoken form, "b е равно на корен квадратен от
// 75…") through the list's own accessible object, while it shows its symbols. The parent
// hands its WM_MEASUREITEM and WM_DRAWITEM on to measure() and draw().
class StepsPane {
public:
    StepsPane() = default;
    StepsPane(const StepsPane&) = delete;
    StepsPane& operator=(const StepsPane&) = delete;

    void create(HWND parent, const char* caption);
    HWND window() const { return m_steps; }
    HWND caption() const { return m_caption; }
    // The steps, one a line, separated by "\n".
    void setSteps(const std::string& steps);
    // Every step as shown, one a line, separated by CR LF.
    std::wstring text() const;
    // What Ctrl+C in the list copies: the selected lines as shown, or every line where none
    // is selected.
    std::wstring copiedText() const;
    // In the face's size for dpi dots per inch.
    void setDpi(int dpi);
    // The face at the window's zoom (1 is 18 pixels at 96 DPI).
    void setZoom(double factor);
    void place(int left, int top, int width, int height);
    // The brush for WM_CTLCOLORSTATIC or WM_CTLCOLORLISTBOX of `control`; null for a control
    // of another pane.
    HBRUSH colour(HWND control, HDC dc) const;
    // The parent's WM_MEASUREITEM and WM_DRAWITEM; false where they are another control's.
    bool measure(MEASUREITEMSTRUCT& item) const;
    bool draw(const DRAWITEMSTRUCT& item) const;

private:
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR pane);
    // The height of line i wrapped at the list's width, in pixels.
    int lineHeight(std::size_t i) const;
    void measureAll();
    int scaled(int pixels) const { return MulDiv(pixels, m_dpi, USER_DEFAULT_SCREEN_DPI); }
    // Pixels at the screen's DPI and the zoom.
    int zoomed(int pixels) const;
    void makeFont();

    HWND m_caption = nullptr;
    HWND m_steps = nullptr;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    double m_zoom = 1.0;
    Font m_font;
    std::vector<std::wstring> m_lines;
    // What a screen reader hears for each line, shared with the list's accessible objects.
    std::shared_ptr<std::vector<std::wstring>> m_spoken =
        std::make_shared<std::vector<std::wstring>>();
};

} // namespace triangle::win32
