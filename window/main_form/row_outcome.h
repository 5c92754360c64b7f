#pragma once

#include "solver/variant/refusal.h"
#include "solver/variant/variant_solver.h"

#include <cstdint>
#include <optional>
#include <string>

namespace triangle {

enum class RowState {
    Empty,   // nothing calculated, or the given values changed since: no results shown
    Solved,  // the row shows a whole triangle
    Refused, // the last calculation gave no triangle; the given texts stay as typed
};

// What the selected row stands for, for the views that follow it.
struct RowOutcome {
    std::int16_t variant = 0;
    RowState state = RowState::Empty;
    RowFields row;                  // Solved: every quantity of the triangle, b included
    std::optional<Refusal> refusal; // Refused: which check failed, the values, the bound
    std::string message;            // Refused: the Bulgarian message the user was shown
};

} // namespace triangle
