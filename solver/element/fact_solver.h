#pragma once

// A problem of the window of any two elements as two facts, each the value of an element or
// a relation between two elements; some pairs of facts fit two different right triangles.

#include "solver/element/element_solver.h"
#include "solver/relation/relation.h"

#include <variant>

namespace triangle {

using Fact = std::variant<GivenElement, Relation>;

struct FactTriangle {
    TriangleDetails triangle;
    // How many different triangles (up to swapping the legs) fit the two facts: 1 or 2.
    int count = 1;
};

using FactSolution = Calculated<FactTriangle, ElementRefusal>;

// Solves the right triangle from two facts; `which` (0 or 1) picks one of two triangles
// where there are two, the one with the shorter a first. Steps as SolveGivenElements.
FactSolution SolveFacts(const Fact& first, const Fact& second, int which = 0,
                        Steps* steps = nullptr, Steps* rest = nullptr);

} // namespace triangle
