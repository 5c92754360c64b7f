#pragma once

// The drawing and steps of the window of any two elements for two facts, each the value of an
// element or a relation between two, and the texts its computed fields show.

#include "solver/element/fact_solver.h"
#include "window/solution/solution_steps.h"

#include <array>
#include <string>

namespace triangle {

// The page of triangle `which` (0 or 1) of the two facts: the facts given, the formulas as
// the solver evaluated them, the rest of the triangle; the medians and bisectors among the
// facts drawn. Two given values keep the page of ElementSolutionPageOf.
SolutionPage FactSolutionPageOf(const Fact& first, const Fact& second, int which,
                                const NumberFormat& region, ExactElements* exact);

// The three-decimal texts of the solved triangle's elements, as ElementNumberTexts writes
// them: ties rounded by hand where the facts are two values of the first triangle, otherwise
// the double's own rounding. The angles' entries are empty.
std::array<std::string, ElementCount> FactNumberTexts(const Fact& first, const Fact& second,
                                                      int which, const TriangleDetails& triangle,
                                                      const NumberFormat& region);

} // namespace triangle
