#pragma once

// The acute angles whose sine, cosine and tangent a textbook writes exactly: 15°, 30°, 45°,
// 60° and 75° (sin 15° = (√6 − √2)/4, tg 60° = √3, tg 15° = 2 − √3), and the way back, from
// an exact ratio of sides to the angle. Also 22,5° and 67,5° for the tangent alone
// (tg 22,5° = √2 − 1): their sine and cosine are nested roots that do not denest. Angles
// are in degrees, as exact numbers, so that they take part in exact formulas.

#include "solver/exact/exact_number.h"

namespace triangle {

// The exact value at one of those angles; none for any other angle and for none.
ExactNumber ExactSine(const ExactNumber& degrees);
ExactNumber ExactCosine(const ExactNumber& degrees);
ExactNumber ExactTangent(const ExactNumber& degrees);

enum class Ratio { Sine, Cosine, Tangent };

// The angle of those, in degrees, whose sine, cosine or tangent is exactly the value; none
// when it is none or no such angle has it.
ExactNumber DegreesOf(Ratio ratio, const ExactNumber& value);

} // namespace triangle
