#pragma once

#include "solver/element/element_solver.h"
#include "solver/number/number_format.h"

#include <array>
#include <string>

namespace triangle {

// The texts of a solved triangle's elements as the window of any two elements shows a length
// or the area: three decimals in the region's format, and a value whose exact value lies on
// a half thousandth rounded half up from it (FormatRoundedByHand). The exact values are worked
// out from the two given values, by the pair's own formulas, only where some double lies near
// such a half. The angles' entries are empty: their texts are in degrees and minutes.
std::array<std::string, ElementCount> ElementNumberTexts(Element first, double firstValue,
                                                         Element second, double secondValue,
                                                         const TriangleDetails& triangle,
                                                         const NumberFormat& region);

} // namespace triangle
