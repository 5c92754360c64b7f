#pragma once

#include "window/main_form/solver_controls.h"
#include "window/main_form/solver_form_logic.h"
#include "window/menu/command_target.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QGroupBox;
class QLabel;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace triangle {

class Announcer;
class SolutionWindow;
class ElementsWindow;
class FittingField;

// The program's one window: a fixed layout of the variant buttons, the 6 × 4 grid of
// fields, the two push buttons and the task statement. It lends its controls to
// SolverFormLogic, which holds the behaviour.
class SolverForm : public QWidget, private SolverControls, public menu::CommandTarget {
    Q_OBJECT

public:
    explicit SolverForm(QWidget* parent = nullptr);
    ~SolverForm() override;

    // Runs once, after the window is built and before it is shown.
    void Form_Load() { m_logic.Form_Load(); }
    const SolverFormLogic& logic() const { return m_logic; }
    // Opens the window "Решение" beside this one for the selected row (Ctrl+R).
    void openSolution() override;
    // Opens the window of any two elements (Ctrl+2), with the selected row's two given
    // values typed in where the row is solved.
    void openElements() override;
    ElementsWindow* elements() const { return m_elements; }
    QMenuBar* menuBar() const;
    // The selected row's solution on paper through the print dialog, as a PDF, and its
    // drawing as a PNG picture at twice the size "Решение" draws it, each to where the
    // system's dialog says.
    void writeSolution(menu::Command command) override;
    void closeWindow() override;
    void showHelp(menu::Command command) override;
    // The focused field's whole triangle (Shift+F1).
    void showWholeTriangle() override;
    void copy(menu::Command command) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeadings();
    void buildVariants();
    void buildFields();
    void buildButtons();
    void buildTexts();
    void setTabChain();
    void copySelectedRow();
    void showSolution();
    void buildMenuBar();
    // Enables the menus' entries as the fields' menu enables them, for the focused field.
    void updateMenus();

    // An entry that every field's context menu adds below the toolkit's own.
    struct FieldMenuEntry {
        const char* name; // the action's object name
        const char* text;
        const char* keys; // the key that does the same outside the menu
        bool available;   // it has something to act on
        std::function<void()> act;
    };
    std::vector<FieldMenuEntry> fieldMenuEntries(std::int16_t field);
    void showFieldMenu(std::int16_t field, const QPoint& at);

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
    QWidget* m_client = nullptr; // below the menu bar: the layout's controls in their places
    // Null once the window's children go: the focus still moves while the others close.
    QPointer<QMenuBar> m_menuBar;
    std::array<QLabel*, 5> m_Label1{};
    QGroupBox* m_Frame1 = nullptr;
    std::array<QRadioButton*, 6> m_Option1{};
    std::array<FittingField*, FieldCount> m_Text2{};
    std::array<QPushButton*, 2> m_Command1{};
    std::array<QPlainTextEdit*, 2> m_Text1{};
    Announcer* m_announcer = nullptr;
    SolutionWindow* m_solution = nullptr; // made when first opened
    ElementsWindow* m_elements = nullptr; // made when first opened
};

} // namespace triangle
