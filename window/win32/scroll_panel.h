#pragma once

#include "window/win32/base_window.h"

#include <windows.h>

namespace triangle::win32 {

// A child window for controls that may be taller than the room it is given: a vertical
// scroll bar, shown only while the panel is shorter than its content, and the mouse wheel
// scroll them. What its children tell their parent (WM_COMMAND, WM_CTLCOLOR*, WM_DRAWITEM)
// goes on to the panel's own parent, as though they were that window's own children.
class ScrollPanel : public BaseWindow<ScrollPanel> {
public:
    ScrollPanel() = default;
    bool create(HWND parent, HBRUSH background);
    // Sets the panel's place and its content's height, unscrolled, in pixels, and keeps the
    // scroll within it; the caller then places the children `offset()` higher.
    void place(int left, int top, int width, int height, int contentHeight);
    // How far the content is scrolled up, in pixels.
    int offset() const { return m_offset; }
    // Scrolls so that `child`, one of the panel's controls, is whole in view.
    void scrollIntoView(HWND child);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class BaseWindow<ScrollPanel>;

    void OnVScroll(HWND hwnd, HWND control, UINT code, int position);
    void OnMouseWheel(HWND hwnd, int x, int y, int delta, UINT keys);
    void scrollTo(int offset);
    HBRUSH Background() const { return m_background; }

    HBRUSH m_background = nullptr; // not owned
    int m_offset = 0;
    int m_wheel = 0; // wheel turns below one notch, kept for the next
};

} // namespace triangle::win32
