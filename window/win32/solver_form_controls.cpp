#include "window/win32/solver_form.h"

#include "solver/variant/variant_solver.h"
#include "window/main_form/row_outcome.h"
#include "window/solution/solution_steps.h"
#include "window/win32/control_ids.h"
#include "window/win32/refusal_box.h"
#include "window/win32/wide_text.h"
#include "window/win32/windows_number_format.h"

namespace triangle::win32 {

// What the form lends the logic, and the windows that follow the selected row.

void SolverForm::openSolution()
{
    if (!m_solution.Window() &&
        !m_solution.Create(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE)),
                           m_hwnd))
        return;
    const NumberFormat region = numberFormat();
    m_solution.showPage(SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
    m_solution.openBeside();
}

void SolverForm::openElements()
{
    if (!m_elements.Window() &&
        !m_elements.Create(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE)),
                           m_hwnd))
        return;
    if (m_numberFormatOverride)
        m_elements.setNumberFormatOverride(m_numberFormatOverride);
    m_elements.openBeside(m_solution.Window());
    m_elements.logic().Open(m_logic.SelectedRowGiven());
}

void SolverForm::rowChanged()
{
    // An open solution follows the row at once, so that it never shows a triangle the row
    // does not; a closed one is brought up to date when it opens.
    if (m_solution.isOpen()) {
        const NumberFormat region = numberFormat();
        m_solution.showPage(SolutionPageOf(m_logic.SelectedRowOutcome(), region), region);
    }
}

std::string SolverForm::text(std::int16_t field) const
{
    return m_Text2.text(field);
}

void SolverForm::setText(std::int16_t field, const std::string& text)
{
    m_Text2.setText(field, text);
}

void SolverForm::setLocked(std::int16_t field, bool locked)
{
    m_Text2.setLocked(field, locked);
}

void SolverForm::selectOption(std::int16_t k)
{
    if (k == m_selectedOption)
        return;
    CheckRadioButton(m_hwnd, ids::Option1, ids::Option1 + VariantCount - 1,
                     ids::Of(ids::Option1, k));
    m_selectedOption = k;
    m_logic.Option1_Click(k);
}

void SolverForm::showMessage(const std::string& title, const std::string& text)
{
    ShowRefusal(m_hwnd, title, text);
}

void SolverForm::setRowDetails(std::int16_t row, const std::string& details)
{
    m_Text2.tips().setRowDetails(row, details);
}

void SolverForm::focusField(std::int16_t field)
{
    m_Text2.focus(field);
}

void SolverForm::announce(const std::string& text)
{
    const std::wstring wide = Widen(text);
    SetWindowTextW(m_announcer, wide.c_str());
    Accessibility::liveRegionChanged(m_announcer);
}

NumberFormat SolverForm::numberFormat() const
{
    if (m_numberFormatOverride)
        return *m_numberFormatOverride;
    return NumberFormatOf(UserLocaleNumberSettings());
}

} // namespace triangle::win32
