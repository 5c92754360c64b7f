#pragma once

#include "solver/variant/triangle_details.h"

#include <cmath>
#include <numbers>

// The whole triangle from its legs, worked out here rather than by the solver.
inline triangle::TriangleDetails fromLegs(double a, double b)
{
    triangle::TriangleDetails t;
    t.a = a;
    t.b = b;
    t.c = std::sqrt(a * a + b * b);
    t.P = a + b + t.c;
    t.S = a * b / 2.0;
    t.alpha = std::atan2(a, b) * 180.0 / std::numbers::pi;
    t.beta = 90.0 - t.alpha;
    t.h = a * b / t.c;
    t.r = a * b / t.P;
    t.R = t.c / 2.0;
    t.a1 = a * a / t.c;
    t.b1 = b * b / t.c;
    return t;
}
