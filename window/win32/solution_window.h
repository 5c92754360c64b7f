#pragma once

#include "solver/field_number.h"
#include "window/solution_drawing.h"
#include "window/solution_page.h"
#include "window/win32/base_window.h"
#include "window/win32/gdi_object.h"

#include <windows.h>

#include <optional>
#include <string>

namespace triangle::win32 {

// The window "Решение": the selected row's triangle drawn to scale with GDI+ above its
// calculation step by step in a read-only edit. Owned by the main window, non-modal and
// resizable; it keeps nothing, and closing it only hides it. Escape closes it, Ctrl+C
// copies the steps (or what is selected of them), and the drawing's context menu copies
// the drawing as a picture.
class SolutionWindow : public BaseWindow<SolutionWindow> {
public:
    SolutionWindow();
    ~SolutionWindow();

    bool Create(HINSTANCE instance, HWND owner);
    void showPage(const SolutionPage& page, const NumberFormat& region);
    // Shows the window beside its owner, or brings it forward when it is already shown.
    void openBeside();
    bool isOpen() const { return m_hwnd && IsWindowVisible(m_hwnd); }
    // Escape and the copy keys while the focus is in this window; true when handled.
    bool TranslateKeyboard(MSG& message);

    HWND drawing() const { return m_drawing; }
    HWND steps() const { return m_steps; }
    // The display list as last painted, in the drawing's pixels.
    const drawing::DisplayList& displayList() const { return m_list; }
    void copySteps() const;
    void copyDrawing() const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK DrawingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void layOut();
    void layOutDrawing();
    // The steps and their caption in the font for dpi dots per inch.
    void setStepsFont(int dpi);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void paintDrawing(HDC dc) const;
    void showDrawingMenu(int x, int y) const;

    ULONG_PTR m_gdiplus = 0;
    HWND m_owner = nullptr;
    HWND m_drawing = nullptr;
    HWND m_steps = nullptr;
    HWND m_stepsCaption = nullptr;
    Font m_stepsFont;
    // The DPI of the screen the window is on, as its last WM_DPICHANGED told.
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::optional<TriangleDetails> m_triangle;
    NumberFormat m_region;
    drawing::DisplayList m_list;
};

} // namespace triangle::win32
