#pragma once

#include "window/main_form/solver_controls.h"
#include "window/main_form/solver_form_logic.h"
#include "window/menu/command_target.h"
#include "window/win32/accessibility.h"
#include "window/win32/base_window.h"
#include "window/win32/elements_window.h"
#include "window/win32/field_grid.h"
#include "window/win32/fitting_field.h"
#include "window/win32/gdi_object.h"
#include "window/win32/solution_window.h"
#include "window/win32/text_window.h"

#include <windows.h>

#include <array>
#include <optional>
#include <string>

namespace triangle::win32 {

// The program's one window, built from the layout with Windows' own controls: the variant
// buttons in their group box, the 6 × 4 grid of fields, the two push buttons drawn in their
// colours and the task statement. It lends its controls to SolverFormLogic, which holds the
// behaviour, and forwards the user's actions to it.
class SolverForm : public BaseWindow<SolverForm>,
                   private SolverControls,
                   public menu::CommandTarget {
public:
    SolverForm();
    ~SolverForm() override;

    // Creates the hidden window and its controls at the DPI of the screen it opens on.
    bool Create(HINSTANCE instance);
    // Runs once, after the window is built and before it is shown.
    void Form_Load() { m_logic.Form_Load(); }
    const SolverFormLogic& logic() const { return m_logic; }

    // The keyboard's part of the message loop: the window's shortcuts, then Tab, the arrows
    // and Enter as in a dialog. True when the message needs no more handling.
    bool TranslateKeyboard(MSG& message);

    // Opens the window "Решение" beside this one for the selected row (Ctrl+R).
    void openSolution() override;
    SolutionWindow& solution() { return m_solution; }
    // Opens the window of any two elements (Ctrl+2), with the selected row's two given
    // values typed in where the row is solved.
    void openElements() override;
    ElementsWindow& elements() { return m_elements; }
    // The selected row's solution on paper through the print dialog, as a PDF, and its
    // drawing as a PNG picture at twice the size "Решение" draws it, each to where the
    // system's dialog says.
    void writeSolution(menu::Command command) override;
    void closeWindow() override;
    void showHelp(menu::Command command) override;
    // The focused field's whole triangle (Shift+F1).
    void showWholeTriangle() override;
    void copy(menu::Command command) override;

    // A region to use instead of the user's, for tests that must hold in any region.
    void setNumberFormatOverride(std::optional<NumberFormat> region);
    HWND toolTips() { return m_Text2.tips().window(); }
    // "Помощ" (F1) and "За програмата", for every window of the program.
    TextWindow& help() { return m_help; }
    TextWindow& about() { return m_about; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class BaseWindow<SolverForm>;

    BOOL OnCreate(HWND hwnd, LPCREATESTRUCT create);
    void OnCommand(HWND hwnd, int id, HWND control, UINT code);
    void OnFieldDoubleClick(int id);
    HBRUSH OnCtlColor(HWND hwnd, HDC dc, HWND control, int type);
    void OnDrawItem(HWND hwnd, const DRAWITEMSTRUCT* item);
    void OnDestroy(HWND hwnd);
    HWND OnNextDlgCtl(HWND hwnd, HWND target, BOOL isControl);
    void OnLButtonDown(HWND hwnd, BOOL doubleClick, int x, int y, UINT keys);
    FontSet UseDpi(int dpi);
    HBRUSH Background() const { return m_windowBrush.get(); }

    void createControls();
    void layOut();
    void copySelectedRow();
    void OnContextMenu(HWND hwnd, HWND target, UINT x, UINT y);
    // Enables the menus' entries as the fields' menu enables them, for the focused field.
    void OnInitMenuPopup(HWND hwnd, HMENU menu, UINT item, BOOL systemMenu);
    void showFieldMenu(std::int16_t field, POINT at);

    std::string text(std::int16_t field) const override;
    void setText(std::int16_t field, const std::string& text) override;
    void setLocked(std::int16_t field, bool locked) override;
    void selectOption(std::int16_t k) override;
    void showMessage(const std::string& title, const std::string& text) override;
    void setRowDetails(std::int16_t row, const std::string& details) override;
    void focusField(std::int16_t field) override;
    void announce(const std::string& text) override;
    void rowChanged() override;
    NumberFormat numberFormat() const override;

    SolverFormLogic m_logic{*this};
    Accessibility m_accessibility;
    FontSet m_fonts;
    Brush m_windowBrush;
    Brush m_labelBrush;
    Brush m_optionBrush;
    Brush m_resultBrush;
    FieldGrid m_Text2{m_accessibility};
    HWND m_announcer = nullptr;
    HACCEL m_accelerators = nullptr;
    SolutionWindow m_solution; // its window made when first opened
    ElementsWindow m_elements; // its window made when first opened
    TextWindow m_help;         // made when first opened, as is the next
    TextWindow m_about;
    std::int16_t m_selectedOption = -1;
    // Set while the arrow keys move the focus through the variants' group.
    bool m_movingInGroup = false;
    std::optional<NumberFormat> m_numberFormatOverride;
};

} // namespace triangle::win32
