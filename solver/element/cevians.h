#pragma once

// The medians to the legs and the bisectors as formulas of the legs a, b and the hypotenuse
// c, written once: m_a = √(b² + a²/4) (the midpoint of a is a/2 from C, b from A along the
// other leg), l_a = b·√(2c/(b + c)) (b / cos(α/2), with cos²(α/2) = (1 + b/c)/2) and
// l_c = a·b·√2/(a + b) (the bisector of the right angle cuts the area into a·l_c/√2 and
// b·l_c/√2 halves).

#include "solver/element/element_solver.h"
#include "solver/formula/formula.h"

#include <cmath>
#include <numbers>

namespace triangle::elements {

// Calls `visit` with the term of `cevian` (m_a to l_c) and returns what it returns.
template <formula::Term A, formula::Term B, formula::Term C, typename Visit>
auto CevianTerm(Element cevian, const A& a, const B& b, const C& c, Visit visit)
{
    using formula::four;
    using formula::sqrtTwo;
    using formula::two;
    switch (cevian) {
    case Element::mA:
        return visit(sqrt(b * b + (a * a) / four));
    case Element::mB:
        return visit(sqrt(a * a + (b * b) / four));
    case Element::lA:
        return visit(b * sqrt((two * c) / (b + c)));
    case Element::lB:
        return visit(a * sqrt((two * c) / (a + c)));
    default: // l_c
        return visit(((a * b) * sqrtTwo) / (a + b));
    }
}

// The value of the cevian of the triangle with legs a, b and hypotenuse c, by the same
// formula to the bit; infinity where it is beyond the doubles.
double CevianOf(double a, double b, double c, Element cevian);

// The same formulas on plain doubles, operation for operation, for legs a, b of a triangle
// whose hypotenuse c is 1 (no overflow, no division by zero): the scheme evaluates them
// thousands of times a calculation, without CevianOf's terms and their names.
inline double UnitCevianOf(double a, double b, Element cevian)
{
    constexpr double c = 1.0;
    switch (cevian) {
    case Element::mA:
        return std::sqrt(b * b + (a * a) / 4.0);
    case Element::mB:
        return std::sqrt(a * a + (b * b) / 4.0);
    case Element::lA:
        return b * std::sqrt((2.0 * c) / (b + c));
    case Element::lB:
        return a * std::sqrt((2.0 * c) / (a + c));
    default: // l_c
        return ((a * b) * std::numbers::sqrt2) / (a + b);
    }
}

} // namespace triangle::elements
