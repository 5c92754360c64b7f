#pragma once

// How a calculation flows: "Изчисли" reads the texts of the two given fields of the
// selected variant's row, the solver turns them into the row's four values (or a refusal
// that says why there is no triangle), and the four values are written back, formatted in
// the user's region, into the row's fields a, c, P, S in that order; the row's fields then
// describe the whole triangle in their tooltips. A refusal empties the two computed fields,
// keeps the given texts as typed, is explained in a message box and puts the focus on the
// field to correct. Editing a given field empties the computed ones: a row never shows
// values that do not belong together.

#include "window/elements/elements_form_logic.h"
#include "window/main_form/row_outcome.h"

#include <cstdint>
#include <optional>
#include <string>

namespace triangle {

class SolverControls;

// Which of the row's own entries a field's context menu offers, below the toolkit's.
struct FieldMenuState {
    bool wholeTriangle = false; // the field's row describes a whole triangle
    bool solution = false;      // the field is in the selected row, solved or refused
    bool copyRow = false;       // the selected row shows a whole triangle
};

class SolverFormLogic {
public:
    explicit SolverFormLogic(SolverControls& controls) : m_controls(controls) {}
    SolverFormLogic(const SolverFormLogic&) = delete;
    SolverFormLogic& operator=(const SolverFormLogic&) = delete;

    // Selects variant 1 and opens only its row.
    void Form_Load();
    // Option button k (0 to 5) became selected: empties every field, opens row k.
    void Option1_Click(std::int16_t index);
    // The user chose variant k with a click on its button or Enter in the group, unlike the
    // program's own selection at loading: the focus goes into the variant's first given
    // field, ready for typing. Arrow keys moving through the group do not come here.
    void Option1_Chosen(std::int16_t index);
    // Button 0 calculates, button 1 empties every field.
    void Command1_Click(std::int16_t index);
    // The user changed the text of field index: typing, pasting, undo or cut. The
    // program's own writes do not come here.
    void Text2_Change(std::int16_t index);
    // Enter in field index: calculates when the field is open for typing, the only fields
    // whose values a calculation reads.
    void Text2_KeyEnter(std::int16_t index);

    // A double click on field index opens the solution only where it has a triangle to show:
    // on the selected row, once it is solved.
    bool DoubleClickOpensSolution(std::int16_t index) const;
    FieldMenuState FieldMenu(std::int16_t index) const;

    std::int16_t SelectedVariant() const { return m_SelectedVariant; }
    // The selected row's four texts as shown, separated by tabs; empty unless the row
    // shows a whole triangle.
    std::string SelectedRowText() const;
    // What the selected row stands for now; SolverControls::rowChanged tells when it changes.
    const RowOutcome& SelectedRowOutcome() const { return m_outcome; }
    // The selected row's two given elements and their texts as shown, what the window of any
    // two elements opens with; none unless the row is solved.
    std::optional<GivenPair> SelectedRowGiven() const;

private:
    void Calculate();
    void clearFields();
    void clearDetails();
    void emptyComputedFields(std::int16_t k);
    void setOutcome(RowOutcome outcome);
    bool inSelectedRow(std::int16_t index) const;

    SolverControls& m_controls;
    std::int16_t m_SelectedVariant = 0;
    RowOutcome m_outcome;
    // The selected row's fields describe its whole triangle.
    bool m_described = false;
};

} // namespace triangle
