#pragma once

// How a calculation flows: "Изчисли" reads the texts of the two given fields of the
// selected variant's row, the solver turns them into the row's four values (or a fault),
// and the four values are written back, formatted in the user's region, into the row's
// fields a, c, P, S in that order; the row's fields then describe the whole triangle in
// their tooltips. A fault writes nothing and is shown in a message box.

#include "solver/calculation_fault.h"

#include <cstdint>
#include <string>

namespace triangle {

class SolverControls;

class SolverFormLogic {
public:
    explicit SolverFormLogic(SolverControls& controls) : m_controls(controls) {}
    SolverFormLogic(const SolverFormLogic&) = delete;
    SolverFormLogic& operator=(const SolverFormLogic&) = delete;

    // Selects variant 1 and opens only its row.
    void Form_Load();
    // Option button k (0 to 5) became selected: empties every field, opens row k.
    void Option1_Click(std::int16_t index);
    // Button 0 calculates, button 1 empties every field.
    void Command1_Click(std::int16_t index);
    // The user changed the text of field index: typing, pasting, undo or cut. The
    // program's own writes do not come here.
    void Text2_Change(std::int16_t index);

    std::int16_t SelectedVariant() const { return m_SelectedVariant; }
    // The selected row's four texts as shown, separated by tabs.
    std::string SelectedRowText() const;

private:
    void Calculate();
    void clearFields();
    void clearDetails();

    SolverControls& m_controls;
    std::int16_t m_SelectedVariant = 0;
};

// The Bulgarian message that names a fault.
const char* FaultMessage(CalculationFault fault);

} // namespace triangle
