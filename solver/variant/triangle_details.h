#pragma once

#include "solver/variant/variant_solver.h"

#include <optional>

namespace triangle {

// The whole right triangle behind a calculated row: both legs, the hypotenuse, perimeter
// and area, the two acute angles in degrees, the height to the hypotenuse and the radii of
// the inscribed and circumscribed circles, and the projections of the legs on the
// hypotenuse.
struct TriangleDetails {
    double a = 0.0;     // the leg shown in column a
    double b = 0.0;     // the other leg
    double c = 0.0;     // the hypotenuse
    double P = 0.0;     // perimeter
    double S = 0.0;     // area
    double alpha = 0.0; // the angle opposite a, in degrees
    double beta = 0.0;  // the angle opposite b, in degrees
    double h = 0.0;     // height to the hypotenuse
    double r = 0.0;     // radius of the inscribed circle
    double R = 0.0;     // radius of the circumscribed circle
    double a1 = 0.0;    // projection of a on the hypotenuse, a²/c
    double b1 = 0.0;    // projection of b on the hypotenuse, b²/c
};

class Steps;

// Works out the rest of the triangle from a solved row's own doubles. A row whose check
// failed, or whose legs are not both positive, has no triangle to describe. With steps,
// each formula evaluated is also written there, in order.
std::optional<TriangleDetails> DetailsOf(const RowFields& row, Steps* steps = nullptr);

} // namespace triangle
