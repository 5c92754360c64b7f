#pragma once

#include "solver/variant/triangle_details.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace triangle {

// A median to a leg or a bisector, drawn where it was given: m_a and m_b from the midpoints
// of a and of b, l_a and l_b the bisectors of α and β, l_c the bisector of the right angle.
enum class Cevian : std::uint8_t { MedianA, MedianB, BisectorA, BisectorB, BisectorC };

// What the window "Решение" shows for the selected row: the triangle to draw (the row's,
// or after a refusal the one at the bound that was crossed, if any), the calculation step
// by step, one step a line, and what the drawing shows in words.
struct SolutionPage {
    std::optional<TriangleDetails> triangle;
    std::string steps;
    // What the drawing shows in words, the projections included where they are drawn.
    std::string description;
    // What the drawing says where there is no triangle to draw.
    std::string empty;
    // Whether the drawing shows the height's foot and the projections a₁ and b₁ on the
    // hypotenuse with their values: where one of h, a₁, b₁ was given.
    bool projections = false;
    // Whether the drawing names the angles in degrees and minutes, "α ≈ 16°16′", as the
    // window of any two elements does; "Решение" writes "α = 16,260°".
    bool angleMinutes = false;
    // The medians and bisectors drawn, each in a line style of its own with its label.
    std::vector<Cevian> cevians{};
};

} // namespace triangle
