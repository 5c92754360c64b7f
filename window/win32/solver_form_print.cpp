// The main window's printing and saving: of the selected row's solution, as "Решение" shows it.
#include "window/win32/solver_form.h"

#include "window/main_form/row_outcome.h"
#include "window/solution/solution_steps.h"
#include "window/win32/solution_printer.h"

namespace triangle::win32 {

void SolverForm::printSolution()
{
    const NumberFormat region = numberFormat();
    PrintSolution(m_hwnd, SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
}

void SolverForm::saveSolutionPdf()
{
    const NumberFormat region = numberFormat();
    SaveSolutionPdf(m_hwnd, SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
}

void SolverForm::saveDrawingPicture()
{
    // The picture is the drawing of "Решение", at its size; made, hidden, where it was not
    // yet opened.
    if (!m_solution.Window() &&
        !m_solution.Create(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE)),
                           m_hwnd))
        return;
    const NumberFormat region = numberFormat();
    m_solution.showPage(SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
    m_solution.saveDrawingPicture();
}

} // namespace triangle::win32
