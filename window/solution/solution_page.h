#pragma once

#include "solver/element/element_solver.h"
#include "solver/exact/exact_number.h"
#include "solver/variant/triangle_details.h"

#include <array>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace triangle {

// A median to a leg or a bisector, drawn where it was given: m_a and m_b from the midpoints
// of a and of b, l_a and l_b the bisectors of α and β, l_c the bisector of the right angle.
enum class Cevian : std::uint8_t { MedianA, MedianB, BisectorA, BisectorB, BisectorC };

// Every element's exact value where the triangle has one; none elsewhere.
using ExactElements = std::array<ExactNumber, ElementCount>;

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
    // The exact values the window's fields show, where it shows them: the drawing then writes
    // a length as the fields do where it has at most three decimals ("a = 15", "R = 12,5").
    ExactElements exact{};
    // The whole triangle as "Решение" writes it on paper, as the tooltip of the row's fields
    // does, with the exact forms ("катет b = 5√3 ≈ 8,660"); the window of any two elements
    // leaves it empty and has its fields' forms from `exact`.
    std::string whole{};
};

} // namespace triangle
