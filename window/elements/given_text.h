#pragma once

#include "solver/number/number_format.h"

#include <string>
#include <string_view>

namespace triangle {

// A given value written back into its field after a calculation: in the region's format,
// with three decimals or as many as were typed if more ("1,2345" stays "1,2345"), so that
// calculating again gives the same triangle; an angle with "°". An angle typed in degrees
// and minutes ("36°52′") keeps its text, since no decimal writes it exactly.
std::string GivenFieldText(std::string_view typed, double value, bool angle,
                           const NumberFormat& region);

// The number of decimals a text as typed carries: the digits after its decimal separator,
// the region's or the period, less an exponent's shift ("1.25e1" carries 1).
int TypedDecimals(std::string_view typed, const NumberFormat& region);

} // namespace triangle
