#pragma once

#include "solver/number/field_number.h"
#include "window/drawing/solution_drawing.h"
#include "window/menu/command_target.h"
#include "window/solution/solution_page.h"
#include "window/win32/base_window.h"
#include "window/win32/drawing_pane.h"
#include "window/win32/steps_pane.h"

#include <windows.h>

namespace triangle::win32 {

// The window "Решение": the selected row's triangle drawn to scale with GDI+ above its
// calculation step by step, one line an item of a list. Owned by the main window, non-modal
// and resizable; it keeps nothing, and closing it only hides it. Escape closes it, Ctrl+C
// copies the steps (in the list, the selected lines where there are), and the drawing's
// context menu copies the drawing as a picture.
class SolutionWindow : public BaseWindow<SolutionWindow>, public menu::ZoomedTarget {
public:
    SolutionWindow() = default;
    ~SolutionWindow();

    bool Create(HINSTANCE instance, HWND owner);
    void showPage(const SolutionPage& page, const NumberFormat& region);
    // Shows the window beside its owner, or brings it forward when it is already shown.
    void openBeside();
    bool isOpen() const { return m_hwnd && IsWindowVisible(m_hwnd); }
    // Escape and the copy keys while the focus is in this window; true when handled.
    bool TranslateKeyboard(MSG& message);

    HWND drawing() const { return m_drawing.window(); }
    HWND steps() const { return m_steps.window(); }
    // The button that opens the window of any two elements with the row's given values.
    HWND elementsButton() const { return m_elementsButton; }
    // The display list as last painted, in the drawing's pixels.
    const drawing::DisplayList& displayList() const { return m_drawing.displayList(); }
    void copySteps() const;
    void copyDrawing() const { m_drawing.copyDrawing(); }
    // The page on paper through the print dialog, as a PDF through "Microsoft Print to PDF"
    // where Windows has that printer, and the drawing as a PNG picture at twice its size, each
    // to where the system's dialog says.
    void writeSolution(menu::Command command) override;
    void closeWindow() override;
    void showHelp(menu::Command command) override;
    void openElements() override;
    void copy(menu::Command command) override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class BaseWindow<SolutionWindow>;

    BOOL OnCreate(HWND hwnd, LPCREATESTRUCT create);
    void OnCommand(HWND hwnd, int id, HWND control, UINT code);
    void OnSize(HWND, UINT, int, int) { layOut(); }
    void OnClose(HWND hwnd);
    void OnSetFocus(HWND hwnd, HWND previous);
    void OnMeasureItem(HWND hwnd, MEASUREITEMSTRUCT* item);
    void OnDrawItem(HWND hwnd, const DRAWITEMSTRUCT* item);
    HBRUSH OnCtlColor(HWND hwnd, HDC dc, HWND control, int type);
    int UseDpi(int dpi);
    HBRUSH Background() const { return GetSysColorBrush(COLOR_WINDOW); }
    void layOut();

    void OnMouseWheel(HWND hwnd, int x, int y, int delta, UINT keys);
    // The steps' face and the drawing's labels and strokes; Ctrl and the wheel over either
    // zoom too.
    void applyZoom(double factor) override;

    HWND m_owner = nullptr;
    HACCEL m_accelerators = nullptr; // the menu bar's keys
    DrawingPane m_drawing;
    StepsPane m_steps;
    HWND m_elementsButton = nullptr;
    // What is shown, for printing.
    SolutionPage m_page;
    NumberFormat m_region;
    // The DPI of the screen the window is on, as its last WM_DPICHANGED told.
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
};

} // namespace triangle::win32
