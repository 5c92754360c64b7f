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

void SolverForm::writeSolution(menu::Command command)
{
    const NumberFormat region = numberFormat();
    const SolutionPage page = SolutionPageOf(m_logic.SelectedRowOutcome(), region);
    WriteSolution(command, this, page, region,
                  [&] { return DrawingPicture(page, region, SolutionDrawingSize); });
}

} // namespace triangle
