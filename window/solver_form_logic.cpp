#include "window/solver_form_logic.h"

#include "solver/triangle_details.h"
#include "solver/variant_solver.h"
#include "window/row_details.h"
#include "window/solver_controls.h"
#include "window/ui_texts.h"

namespace triangle {

namespace {

std::int16_t fieldOf(std::int16_t row, std::int16_t column)
{
    return static_cast<std::int16_t>(row * ColumnCount + column);
}

} // namespace

void SolverFormLogic::Form_Load()
{
    m_controls.selectOption(0);
    for (std::int16_t i = ColumnCount; i < FieldCount; ++i)
        m_controls.setLocked(i, true);
}

void SolverFormLogic::Option1_Click(std::int16_t index)
{
    if (index < 0 || index >= VariantCount)
        return;
    const std::int16_t first = fieldOf(index, 0);
    const std::int16_t last = fieldOf(index, ColumnCount - 1);
    m_SelectedVariant = index;
    for (std::int16_t i = 0; i < FieldCount; ++i) {
        m_controls.setText(i, {});
        m_controls.setLocked(i, true);
    }
    for (std::int16_t i = first; i <= last; ++i)
        m_controls.setLocked(i, false);
    clearDetails();
}

void SolverFormLogic::Command1_Click(std::int16_t index)
{
    if (index == 0)
        Calculate();
    else if (index == 1)
        clearFields();
}

void SolverFormLogic::Text2_Change(std::int16_t index)
{
    (void)index;
}

void SolverFormLogic::Calculate()
{
    const std::int16_t k = m_SelectedVariant;
    const GivenColumns given = GivenColumnsOf(k);
    const NumberFormat region = m_controls.numberFormat();
    const Calculated<RowFields> solved = Solve(k, m_controls.text(fieldOf(k, given.first)),
                                               m_controls.text(fieldOf(k, given.second)), region);
    if (!solved.ok()) {
        // Nothing has been written: the user's numbers stay for correcting.
        m_controls.setRowDetails(k, {});
        m_controls.showMessage(texts::FaultTitle, FaultMessage(solved.fault()));
        return;
    }
    const RowFields& row = solved.value();
    const FieldNumber values[ColumnCount] = {row.a, row.c, row.P, row.S};
    for (std::int16_t j = 0; j < ColumnCount; ++j)
        m_controls.setText(fieldOf(k, j), FormatFieldNumber(values[j], region));
    const std::optional<TriangleDetails> details = DetailsOf(row);
    m_controls.setRowDetails(k, details ? RowDetailsText(*details, region) : std::string());
}

void SolverFormLogic::clearFields()
{
    for (std::int16_t i = 0; i < FieldCount; ++i)
        m_controls.setText(i, {});
    clearDetails();
}

void SolverFormLogic::clearDetails()
{
    for (std::int16_t k = 0; k < VariantCount; ++k)
        m_controls.setRowDetails(k, {});
}

std::string SolverFormLogic::SelectedRowText() const
{
    std::string row;
    for (std::int16_t j = 0; j < ColumnCount; ++j) {
        if (j > 0)
            row += '\t';
        row += m_controls.text(fieldOf(m_SelectedVariant, j));
    }
    return row;
}

const char* FaultMessage(CalculationFault fault)
{
    switch (fault) {
    case CalculationFault::Overflow:
        return texts::OverflowMessage;
    case CalculationFault::DivisionByZero:
        return texts::DivisionByZeroMessage;
    case CalculationFault::InvalidSquareRoot:
        return texts::InvalidSquareRootMessage;
    }
    return texts::FaultTitle;
}

} // namespace triangle
