#pragma once

#include "solver/number/field_number.h"
#include "solver/variant/triangle_details.h"
#include "window/drawing/solution_drawing.h"
#include "window/solution/solution_page.h"
#include "window/win32/gdiplus_painting.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace triangle::win32 {

// A child window that lays out a triangle's display list at its own size and paints it with
// GDI+ (Windows' own gdiplus.dll); without a triangle it says what to do to get one. Its
// context menu copies the drawing as a picture at twice its size, and the steps beside it
// through `copySteps`. GDI+ runs while the pane lives.
class DrawingPane {
public:
    DrawingPane();
    ~DrawingPane();
    DrawingPane(const DrawingPane&) = delete;
    DrawingPane& operator=(const DrawingPane&) = delete;

    bool create(HWND parent);
    HWND window() const { return m_hwnd; }
    // The page's triangle with what the page asks to draw beside it: the projections, the
    // angles in minutes, the medians and bisectors, the values as the window writes them; what
    // to draw where there is nothing, and what a screen reader is told the drawing shows.
    void setPage(const SolutionPage& page, const NumberFormat& region);
    void setDpi(int dpi);
    // The labels and strokes at the window's zoom (0.5 to 3).
    void setZoom(double factor);
    // The display list as last laid out, in the pane's pixels.
    const drawing::DisplayList& displayList() const { return m_list; }
    void copyDrawing() const;
    // The drawing as a PNG picture at twice the pane's size, through GDI+'s PNG encoder;
    // false where there is no triangle or the file cannot be written.
    bool savePicture(const std::wstring& path) const;

    std::function<void()> copySteps;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void layOut();
    void paint(HDC dc) const;
    void showMenu(int x, int y) const;

    ULONG_PTR m_gdiplus = 0;
    HWND m_hwnd = nullptr;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::optional<TriangleDetails> m_triangle;
    NumberFormat m_region;
    std::string m_empty;
    DrawingParts m_parts;
    double m_zoom = 1.0;
    drawing::DisplayList m_list;
};

} // namespace triangle::win32
