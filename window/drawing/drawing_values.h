#pragma once

// How the drawing writes its values, on its labels and in its description: a length to three
// decimals in the region's form, or as the window's fields write it where they know it exactly
// with at most three decimals ("a = 15", "R = 12,5"); an angle in decimal degrees, or in
// degrees and minutes as the window of any two elements writes it.

#include "solver/element/element_solver.h"
#include "solver/number/number_format.h"
#include "window/solution/solution_page.h"

#include <string>

namespace triangle::drawing {

std::string LengthText(Element element, double number, const NumberFormat& region,
                       const ExactElements* exact);
// "a = 15", "c = 2,236".
std::string NamedLength(const char* name, Element element, double number,
                        const NumberFormat& region, const ExactElements* exact);
// "α = 36,870°".
std::string NamedDegrees(const char* name, double degrees, const NumberFormat& region);
// "α ≈ 16°16′"; as typed where the window knows it exactly, "α = 12°".
std::string NamedAngleLabel(const char* name, Element element, double degrees,
                            const ExactElements* exact);

} // namespace triangle::drawing
