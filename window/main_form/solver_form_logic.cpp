#include "window/main_form/solver_form_logic.h"

#include "solver/formula/steps.h"

#include "solver/variant/row_texts.h"
#include "solver/variant/triangle_details.h"
#include "solver/variant/variant_solver.h"
#include "window/main_form/row_details.h"
#include "window/main_form/solver_controls.h"
#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"

namespace triangle {

namespace {

std::int16_t fieldOf(std::int16_t row, std::int16_t column)
{
    return static_cast<std::int16_t>(row * ColumnCount + column);
}

bool isGiven(std::int16_t k, std::int16_t column)
{
    const GivenColumns given = GivenColumnsOf(k);
    return column == given.first || column == given.second;
}

FieldNumber valueIn(const RowFields& row, std::int16_t column)
{
    const FieldNumber values[ColumnCount] = {row.a, row.c, row.P, row.S};
    return values[column];
}

// "Изчислено: P = 12,000, S = 6,000": the two quantities the calculation added, as the row
// shows them.
std::string calculatedAnnouncement(std::int16_t k,
                                   const std::array<std::string, ColumnCount>& shown)
{
    std::string text = texts::Calculated;
    const char* places[2] = {"first", "second"};
    int n = 0;
    for (std::int16_t j = 0; j < ColumnCount && n < 2; ++j) {
        if (isGiven(k, j))
            continue;
        std::string quantity = texts::AnnouncedValue;
        Fill(quantity, "quantity", texts::ColumnHeads[j]);
        Fill(quantity, "value", shown[j]);
        Fill(text, places[n++], quantity);
    }
    return text;
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
    setOutcome({});
}

void SolverFormLogic::Option1_Chosen(std::int16_t index)
{
    if (index < 0 || index >= VariantCount)
        return;
    m_controls.selectOption(index);
    m_controls.focusField(fieldOf(index, GivenColumnsOf(index).first));
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
    const std::int16_t k = m_SelectedVariant;
    const bool givenOfSelectedRow = index / ColumnCount == k && isGiven(k, index % ColumnCount);
    if (!givenOfSelectedRow || m_outcome.state == RowState::Empty)
        return;
    // The results belonged to the values before the edit.
    emptyComputedFields(k);
    m_controls.setRowDetails(k, {});
    setOutcome({});
}

void SolverFormLogic::Text2_KeyEnter(std::int16_t index)
{
    if (inSelectedRow(index) && isGiven(m_SelectedVariant, index % ColumnCount))
        Calculate();
}

bool SolverFormLogic::DoubleClickOpensSolution(std::int16_t index) const
{
    return inSelectedRow(index) && m_outcome.state == RowState::Solved;
}

FieldMenuState SolverFormLogic::FieldMenu(std::int16_t index) const
{
    FieldMenuState menu;
    menu.wholeTriangle = inSelectedRow(index) && m_described;
    menu.solution = inSelectedRow(index);
    menu.copyRow = m_outcome.state == RowState::Solved;
    return menu;
}

bool SolverFormLogic::inSelectedRow(std::int16_t index) const
{
    return index >= 0 && index < FieldCount && index / ColumnCount == m_SelectedVariant;
}

void SolverFormLogic::Calculate()
{
    const std::int16_t k = m_SelectedVariant;
    const GivenColumns given = GivenColumnsOf(k);
    const NumberFormat region = m_controls.numberFormat();
    const std::string firstText = m_controls.text(fieldOf(k, given.first));
    const std::string secondText = m_controls.text(fieldOf(k, given.second));
    const Solution solved = Solve(k, firstText, secondText, region);
    if (!solved.ok()) {
        // The given texts stay exactly as typed, for correcting; no result may stay beside
        // them.
        emptyComputedFields(k);
        m_controls.setRowDetails(k, {});
        RowOutcome outcome;
        outcome.state = RowState::Refused;
        outcome.refusal = solved.fault();
        outcome.message = RefusalMessage(solved.fault(), firstText, secondText, region);
        const std::string message = outcome.message;
        setOutcome(std::move(outcome));
        m_controls.showMessage(texts::RefusalTitle, message);
        m_controls.focusField(fieldOf(k, solved.fault().column));
        return;
    }
    const RowFields& row = solved.value();
    const std::array<std::string, ColumnCount> shown = FormatRowFields(k, row, region);
    for (std::int16_t j = 0; j < ColumnCount; ++j)
        m_controls.setText(fieldOf(k, j), shown[j]);
    const std::optional<TriangleDetails> details = DetailsOf(row);
    const Steps exact =
        ExactValuesOfRow(k, *valueIn(row, given.first), *valueIn(row, given.second), region);
    m_controls.setRowDetails(k, details ? RowTipText(*details, region, exact) : std::string());
    m_described = details.has_value();
    RowOutcome outcome;
    outcome.state = RowState::Solved;
    outcome.row = row;
    setOutcome(std::move(outcome));
    m_controls.announce(calculatedAnnouncement(k, shown));
}

void SolverFormLogic::clearFields()
{
    for (std::int16_t i = 0; i < FieldCount; ++i)
        m_controls.setText(i, {});
    clearDetails();
    setOutcome({});
}

void SolverFormLogic::clearDetails()
{
    for (std::int16_t k = 0; k < VariantCount; ++k)
        m_controls.setRowDetails(k, {});
}

void SolverFormLogic::emptyComputedFields(std::int16_t k)
{
    for (std::int16_t j = 0; j < ColumnCount; ++j) {
        if (!isGiven(k, j))
            m_controls.setText(fieldOf(k, j), {});
    }
}

void SolverFormLogic::setOutcome(RowOutcome outcome)
{
    // Every outcome but a whole triangle takes the row's description away.
    if (outcome.state != RowState::Solved)
        m_described = false;
    m_outcome = std::move(outcome);
    m_outcome.variant = m_SelectedVariant;
    m_controls.rowChanged();
}

std::optional<GivenPair> SolverFormLogic::SelectedRowGiven() const
{
    if (m_outcome.state != RowState::Solved)
        return std::nullopt;
    const GivenColumns given = GivenColumnsOf(m_SelectedVariant);
    return GivenPair{
        ColumnElement(given.first), m_controls.text(fieldOf(m_SelectedVariant, given.first)),
        ColumnElement(given.second), m_controls.text(fieldOf(m_SelectedVariant, given.second))};
}

std::string SolverFormLogic::SelectedRowText() const
{
    if (m_outcome.state != RowState::Solved)
        return {};
    std::string row;
    for (std::int16_t j = 0; j < ColumnCount; ++j) {
        if (j > 0)
            row += '\t';
        row += m_controls.text(fieldOf(m_SelectedVariant, j));
    }
    return row;
}

} // namespace triangle
