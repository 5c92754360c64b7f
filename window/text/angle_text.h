#pragma once

// An angle in degrees as the textbook writes it, for the window of any two elements: degrees
// and minutes rounded to the minute ("16°16′"), a special angle plainly ("30°").

#include "solver/number/number_format.h"

#include <string>
#include <string_view>

namespace triangle {

struct DegreesMinutes {
    long long degrees = 0;
    int minutes = 0; // 0 to 59
};

// Rounded half up on the minutes, from the double: ⌊degrees·60 + 0,5⌋ minutes, so that
// 36,875° (36°52,5′) is 36°53′ and 59,5′ and up carries to the next degree. For angles from
// 0 up to 10⁹ degrees.
DegreesMinutes RoundedToMinute(double degrees);

// "16°16′", "53°8′", "40°0′".
std::string WriteDegreesMinutes(double degrees);

// Whether the angle is, to the rounding of the solver's doubles, one of the acute angles whose
// sine a textbook writes exactly: 15°, 30°, 45°, 60° and 75°.
bool IsSpecialAngle(double degrees);

// What a field shows: "16°16′ (16,260°)", the decimal in the region's format with three
// decimals; a special angle "30°".
std::string AngleFieldText(double degrees, const NumberFormat& region);

// What the drawing and the steps show: "α ≈ 16°16′"; a special angle "α = 30°".
std::string NamedAngle(std::string_view name, double degrees);
// An angle known exactly, as typed: "α = 12°", "α = 36°52′" where it is a whole number of
// minutes; otherwise as NamedAngle.
std::string NamedExactAngle(std::string_view name, double degrees);

} // namespace triangle
