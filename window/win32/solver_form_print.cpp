// The main window's printing and saving: of the selected row's solution, as "Решение" shows it.
#include "window/win32/solver_form.h"

#include "window/main_form/row_outcome.h"
#include "window/solution/solution_steps.h"
#include "window/win32/solution_printer.h"

namespace triangle::win32 {

void SolverForm::writeSolution(menu::Command command)
{
    const NumberFormat region = numberFormat();
    const SolutionPage page = SolutionPageOf(m_logic.SelectedRowOutcome(), region);
    if (command == menu::Command::Print) {
        PrintSolution(m_hwnd, page, region);
    } else if (command == menu::Command::SavePdf) {
        SaveSolutionPdf(m_hwnd, page, region);
    } else if (m_solution.Window() ||
               m_solution.Create(
                   reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE)),
                   m_hwnd)) {
        // The picture is the drawing of "Решение", at its size; made, hidden, where it was
        // not yet opened.
        m_solution.showPage(page, region);
        m_solution.writeSolution(command);
    }
}

} // namespace triangle::win32
