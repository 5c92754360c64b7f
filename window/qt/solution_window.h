#pragma once

#include "solver/number/field_number.h"
#include "window/menu/command_target.h"
#include "window/solution/solution_page.h"

#include <QWidget>

namespace triangle {

class SolutionDrawingView;
class StepsList;

// The window "Решение": the selected row's triangle drawn to scale above its calculation
// step by step, one line an item. Non-modal and resizable; it keeps nothing, and closing it
// changes nothing in the main window. Escape closes it, Ctrl+C copies the steps (in the
// steps, the selected lines where there are), and the drawing's context menu copies the
// drawing as a picture.
class SolutionWindow : public QWidget, public menu::ZoomedTarget {
    Q_OBJECT

public:
    explicit SolutionWindow(QWidget* parent = nullptr);

    void showPage(const SolutionPage& page, const NumberFormat& region);
    // Opens the window beside the main one, or raises it when it is already open.
    void openBeside(const QWidget& mainWindow);

    QString stepsText() const;

signals:
    // The button that opens the window of any two elements with the row's given values.
    void elementsRequested();

public:
    void copySteps() const;
    void copyDrawing() const;
    // The page on paper through the print dialog, as a PDF, and the drawing as a PNG picture
    // at twice its size on screen, each to where the system's dialog says.
    void writeSolution(menu::Command command) override;
    void closeWindow() override;
    void showHelp(menu::Command command) override;
    void openElements() override;
    void copy(menu::Command command) override;

private:
    // The steps' face and the drawing's labels and strokes; Ctrl and the wheel over either
    // zoom too.
    void applyZoom(double factor) override;

    SolutionDrawingView* m_drawing = nullptr;
    StepsList* m_steps = nullptr;
    // What is shown, for printing.
    SolutionPage m_page;
    NumberFormat m_region;
};

} // namespace triangle
