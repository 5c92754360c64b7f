#pragma once

#include "window/win32/gdi_object.h"

#include <windows.h>

#include <string>

namespace triangle::win32 {

// The calculation step by step under a caption that names it for a screen reader (the
// static just before a control in the order of the children names it), black on white in a
// large face, from the back of a classroom too. Either a read-only edit, read by its caret
// line by line, or a list with one step an item, which a screen reader reads item by item.
class StepsPane {
public:
    enum class Kind { Text, List };

    StepsPane() = default;
    StepsPane(const StepsPane&) = delete;
    StepsPane& operator=(const StepsPane&) = delete;

    void create(HWND parent, Kind kind, const char* caption);
    HWND window() const { return m_steps; }
    HWND caption() const { return m_caption; }
    // The steps, one a line, separated by "\n".
    void setSteps(const std::string& steps);
    // Every step, one a line, separated by CR LF.
    std::wstring text() const;
    // In the face's size for dpi dots per inch.
    void setDpi(int dpi);
    void place(int left, int top, int width, int height);
    // The brush for WM_CTLCOLORSTATIC or WM_CTLCOLORLISTBOX of `control`; null for a control
    // of another pane.
    HBRUSH colour(HWND control, HDC dc) const;

private:
    Kind m_kind = Kind::Text;
    HWND m_caption = nullptr;
    HWND m_steps = nullptr;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    Font m_font;
};

} // namespace triangle::win32
