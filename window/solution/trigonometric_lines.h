#pragma once

#include "solver/number/number_format.h"

#include <string>

namespace triangle {

struct TriangleDetails;
class Steps;

// The trigonometric values of both acute angles of a whole triangle, a line each, as a book
// lists them once the triangle is solved: "sin α = 7/25, cos α = 24/25, tg α = 7/24,
// cotg α = 24/7", then the same of β. Each value is its exact form where `exact` holds one it
// shows (a fraction, a root: "√3/2"), otherwise three decimals in the region's format, one on
// a half thousandth rounded by hand from its exact value. The exact values are the steps' own
// (by the elements' symbols, "sin α") or else the ratios of the exact legs and hypotenuse
// ("a", "b", "c"); `exactForms` false writes the decimals alone, as the main window does.
std::string TrigonometricLines(const TriangleDetails& triangle, const NumberFormat& region,
                               const Steps* exact, bool exactForms);

} // namespace triangle
