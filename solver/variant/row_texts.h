#pragma once

#include "solver/number/field_number.h"
#include "solver/variant/variant_solver.h"

#include <array>
#include <cstdint>
#include <string>

namespace triangle {

// The texts of a solved row of variant k, a, c, P, S, as the grid shows them: three decimals in
// the region's format, and a value whose exact value lies on a half thousandth rounded half
// up from it (FormatRoundedByHand). The exact values are worked out from the two given values,
// by the variant's own formulas, only where some double lies near such a half.
std::array<std::string, ColumnCount> FormatRowFields(std::int16_t k, const RowFields& row,
                                                     const NumberFormat& region);

} // namespace triangle
