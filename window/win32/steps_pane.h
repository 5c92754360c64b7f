#pragma once

#include "window/win32/gdi_object.h"

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace triangle::win32 {

// The calculation step by step under a caption that names it for a screen reader (the
// static just before a control in the order of the children names it), black on white in a
// large face, from the back of a classroom too. A list with one step an item, which the
// arrow keys go through line by line; each item is drawn here, wrapped at the list's width,
// and a screen reader hears it in words (its spoken form, "b е равно на корен квадратен от
// 75…") through the list's own accessible object, while it shows its symbols. A step taller
// than a list item can be (255 pixels: a long step at a large zoom or DPI) takes several
// items, split between its lines, each drawing its part of the step; the caret and the
// selection take the step whole, and a screen reader hears it once, at its first item. The
// parent hands its WM_MEASUREITEM and WM_DRAWITEM on to measure() and draw().
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
    // A list item: a step's part from `offset` pixels below its top, `height` pixels tall.
    struct Item {
        std::size_t step;
        int offset;
        int height;
    };
    // The items of step i wrapped at the list's width.
    std::vector<Item> piecesOf(std::size_t i) const;
    // Splits the steps into items again and fills the list with them where that changed.
    void measureAll(bool refill = false);
    // The first and one past the last item of the step that item i shows.
    std::pair<int, int> stepItems(int i) const;
    // After a key or a click: the caret on a step's first item, every step selected whole.
    void keepStepsWhole(int caretBefore, bool down, bool extend);
    int scaled(int pixels) const { return MulDiv(pixels, m_dpi, USER_DEFAULT_SCREEN_DPI); }
    // Pixels at the screen's DPI and the zoom.
    int zoomed(int pixels) const;
    void makeFont();
    // The caption in the steps' face, or a smaller one where that is wider than the pane.
    void fitCaption();

    HWND m_caption = nullptr;
    HWND m_steps = nullptr;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    double m_zoom = 1.0;
    Font m_font;
    Font m_captionFont; // the caption's smaller face, where it needs one
    std::vector<std::wstring> m_lines;
    std::vector<std::wstring> m_words; // each step as a screen reader says it
    std::vector<Item> m_items;
    // What a screen reader hears for each item, shared with the list's accessible objects:
    // the step's words at its first item, nothing at the others.
    std::shared_ptr<std::vector<std::wstring>> m_spoken =
        std::make_shared<std::vector<std::wstring>>();
};

} // namespace triangle::win32
