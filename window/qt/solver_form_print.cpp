// The main window's printing and saving: of the selected row's solution, as "Решение" shows it.
#include "window/qt/solver_form.h"

#include "window/qt/solution_printer.h"
#include "window/qt/solution_window.h"
#include "window/solution/solution_steps.h"

#include <QImage>

namespace triangle {

namespace {

// The size of the drawing in "Решение" as it opens, for the picture where it is not open.
constexpr QSize SolutionDrawingSize(720, 440);

} // namespace

void SolverForm::printSolution()
{
    const NumberFormat region = numberFormat();
    PrintSolution(this, SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
}

void SolverForm::saveSolutionPdf()
{
    const NumberFormat region = numberFormat();
    SaveSolutionPdf(this, SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
}

void SolverForm::saveDrawingPicture()
{
    const NumberFormat region = numberFormat();
    const SolutionPage page = SolutionPageOf(m_logic.SelectedRowOutcome(), region);
    SaveDrawingPicture(this, page.triangle ? DrawingPicture(page, region, SolutionDrawingSize)
                                           : QImage());
}

} // namespace triangle
