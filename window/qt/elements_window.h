#pragma once

#include "window/elements/elements_controls.h"
#include "window/elements/elements_form_logic.h"
#include "window/menu/command_target.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace triangle {

class Announcer;
class FittingField;
class SolutionDrawingView;
class StepsList;

// The window of any two elements: the elements as labelled fields in their groups at the
// left, the two relation fields under them, "Изчисли" and "Изчисти" with the choice of two
// triangles, and to the right the triangle drawn to scale
// above its calculation, one step an item of a list. Non-modal and resizable; made when first
// opened, it keeps nothing. It lends its controls to ElementsFormLogic, which holds the
// behaviour. Escape closes it; Ctrl+C, where no text or line is selected, copies the twelve
// elements and the steps.
class ElementsWindow : public QWidget, private ElementsControls, public menu::ZoomedTarget {
    Q_OBJECT

public:
    explicit ElementsWindow(QWidget* parent = nullptr);
    ~ElementsWindow() override;

    ElementsFormLogic& logic() { return m_logic; }
    // Opens the window beside "Решение" where that is visible, otherwise beside the main
    // window, or raises it when it is already open; the focus goes to the first field.
    void openBeside(const QWidget& main, const QWidget* solution);
    void copyAll() const;
    // The page on paper through the print dialog, as a PDF, and the drawing as a PNG picture
    // at twice its size on screen, each to where the system's dialog says.
    void writeSolution(menu::Command command) override;
    void closeWindow() override;
    void showHelp(menu::Command command) override;
    void copy(menu::Command command) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel(QWidget* panel);
    // The relation fields, the choice of two triangles and its caption.
    void buildFacts(QWidget* panel);
    // The tooltip of α and β says what may be typed; their menu can insert the degree sign,
    // the others' the root sign. `edited` hears of the insertion.
    void addInsertHelp(FittingField* field, bool angle, std::function<void()> edited);
    void setTabChain();
    // The panel's width with room for its scroll bar.
    int panelScrollWidth() const;
    // The steps' face and the drawing's labels and strokes; Ctrl and the wheel over either
    // zoom too. The fields keep theirs.
    void applyZoom(double factor) override;

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
    std::array<FittingField*, ElementCount> m_fields{};
    std::array<QPushButton*, 2> m_buttons{};
    std::array<FittingField*, 2> m_relations{};
    QLabel* m_choiceLabel = nullptr;
    std::array<QRadioButton*, 2> m_choices{};
    QScrollArea* m_panelScroll = nullptr;
    SolutionDrawingView* m_drawing = nullptr;
    StepsList* m_steps = nullptr;
    Announcer* m_announcer = nullptr;
    // What is shown, for printing.
    SolutionPage m_page;
    NumberFormat m_region;
    // Set while the program writes a field, so that only the user's edits reach the logic.
    bool m_settingText = false;
};

} // namespace triangle
