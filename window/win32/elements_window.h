#pragma once

#include "window/elements/elements_controls.h"
#include "window/elements/elements_form_logic.h"
#include "window/elements/elements_layout.h"
#include "window/menu/command_target.h"
#include "window/win32/accessibility.h"
#include "window/win32/base_window.h"
#include "window/win32/drawing_pane.h"
#include "window/win32/fitting_field.h"
#include "window/win32/gdi_object.h"
#include "window/win32/scroll_panel.h"
#include "window/win32/steps_pane.h"

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

namespace triangle::win32 {

// The window of any two elements: the elements as labelled edits in their group boxes at the
// left, the two relation fields under them, "Изчисли" and "Изчисти" with the choice of two
// triangles, and to the right the triangle drawn with
// GDI+ above its calculation, one step an item of a list. Owned by the main window,
// non-modal and resizable; made when first opened, closing only hides it. It lends its
// controls to ElementsFormLogic. Escape closes it; Ctrl+C, where no text is selected,
// copies the twelve elements and the steps.
class ElementsWindow : public BaseWindow<ElementsWindow>,
                       private ElementsControls,
                       public menu::ZoomedTarget {
public:
    ElementsWindow() = default;
    ~ElementsWindow();

    bool Create(HINSTANCE instance, HWND owner);
    ElementsFormLogic& logic() { return m_logic; }
    // Opens the window beside `solution` ("Решение") where that is visible, otherwise beside
    // its owner, or brings it forward when it is already shown.
    void openBeside(HWND solution);
    bool isOpen() const { return m_hwnd && IsWindowVisible(m_hwnd); }
    // Escape, Ctrl+C, Tab and Enter while the focus is in this window; true when handled.
    bool TranslateKeyboard(MSG& message);

    HWND field(Element element) const { return m_fields[static_cast<std::size_t>(element)]; }
    // "Изчисли" (0) and "Изчисти" (1).
    HWND button(int i) const { return m_buttons.at(static_cast<std::size_t>(i)); }
    // The relation fields (0, 1) and the radio buttons of "Решение 1" and "Решение 2".
    HWND relation(int i) const { return m_relations.at(static_cast<std::size_t>(i)); }
    HWND choice(int i) const { return m_choices.at(static_cast<std::size_t>(i)); }
    // The child window that holds the groups, the fields and the buttons, and scrolls them
    // where the window is too short for them.
    HWND panel() const { return m_panel.Window(); }
    HWND steps() const { return m_steps.window(); }
    HWND drawing() const { return m_drawing.window(); }
    const drawing::DisplayList& displayList() const { return m_drawing.displayList(); }
    HWND announcer() const { return m_announcer; }
    void copyAll() const;
    // The page on paper through the print dialog, as a PDF through "Microsoft Print to PDF"
    // where Windows has that printer, and the drawing as a PNG picture at twice its size, each
    // to where the system's dialog says.
    void writeSolution(menu::Command command) override;
    void closeWindow() override;
    void showHelp(menu::Command command) override;
    void copy(menu::Command command) override;
    // A region to use instead of the user's, for tests that must hold in any region.
    void setNumberFormatOverride(std::optional<NumberFormat> region);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class BaseWindow<ElementsWindow>;
    // What a new DPI replaced, kept until every control has its new font.
    struct Replaced {
        FontSet fonts;
        Font labelFont;
    };

    BOOL OnCreate(HWND hwnd, LPCREATESTRUCT create);
    void OnSize(HWND, UINT, int, int) { layOut(); }
    void OnGetMinMaxInfo(HWND hwnd, MINMAXINFO* limits);
    void OnCommand(HWND hwnd, int id, HWND control, UINT code);
    HBRUSH OnCtlColor(HWND hwnd, HDC dc, HWND control, int type);
    void OnMeasureItem(HWND hwnd, MEASUREITEMSTRUCT* item);
    void OnDrawItem(HWND hwnd, const DRAWITEMSTRUCT* item);
    void OnClose(HWND hwnd);
    void OnDestroy(HWND hwnd);
    Replaced UseDpi(int dpi);
    HBRUSH Background() const { return m_windowBrush.get(); }
    int scaled(int pixels) const;
    void createControls();
    // The relation fields with their group and labels, made after the element fields; the
    // choice of two triangles and its caption, after the buttons: the order of Tab.
    void createRelations(HINSTANCE instance);
    void createChoice(HINSTANCE instance);
    void setFactFonts();
    void placeFacts(const std::function<void(HWND, const elements_layout::Rect&)>& place);
    void layOut();

    std::string text(Element field) const override;
    void setText(Element field, const std::string& text) override;
    void setComputed(Element field, bool computed) override;
    void setTip(Element field, const std::string& tip) override;
    void showMessage(const std::string& title, const std::string& text) override;
    void focusField(Element field) override;
    void announce(const std::string& text) override;
    void showPage(const SolutionPage& page, const NumberFormat& region) override;
    NumberFormat numberFormat() const override;
    std::string relationText(int field) const override;
    void setRelationText(int field, const std::string& text) override;
    void focusRelation(int field) override;
    void showChoice(int count, int shown) override;

    ElementsFormLogic m_logic{*this};
    Accessibility m_accessibility;
    void OnMouseWheel(HWND hwnd, int x, int y, int delta, UINT keys);
    // The steps' face and the drawing's labels and strokes; Ctrl and the wheel over either
    // zoom too. The fields keep theirs.
    void applyZoom(double factor) override;

    HWND m_owner = nullptr;
    HACCEL m_accelerators = nullptr; // the menu bar's keys
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    FontSet m_fonts;
    Brush m_windowBrush;
    Brush m_resultBrush;
    Font m_labelFont; // the window font's size in a face with the projections' subscripts
    std::array<HWND, ElementCount> m_fields{};
    std::array<HWND, ElementCount> m_labels{};
    std::array<HWND, elements_layout::GroupCount> m_groups{};
    std::array<HWND, 2> m_buttons{};
    HWND m_relationGroup = nullptr;
    std::array<HWND, 2> m_relationLabels{};
    std::array<HWND, 2> m_relations{};
    HWND m_choiceLabel = nullptr;
    std::array<HWND, 2> m_choices{};
    HWND m_announcer = nullptr;
    HWND m_fieldTips = nullptr; // what may be typed in each field
    std::array<std::wstring, ElementCount> m_tips;
    ScrollPanel m_panel;
    DrawingPane m_drawing;
    StepsPane m_steps;
    // Set while the program writes a field, so that only the user's edits reach the logic.
    bool m_settingText = false;
    std::optional<NumberFormat> m_numberFormatOverride;
    // What is shown, for printing.
    SolutionPage m_page;
    NumberFormat m_region;
};

} // namespace triangle::win32
