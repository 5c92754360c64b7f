#pragma once

// One scheme for any two facts: each fact is c^d·f(α) = v, with d = 1 for a length, 2 for
// the area and 0 for a fact of the shape alone (an angle, a trigonometric value, a ratio);
// f is the fact of the triangle whose hypotenuse is 1 and whose angle α is the unknown. Two
// facts give one equation in α without c; each of its roots in (0°; 90°) is found to the
// last bit, then c from one fact.

#include "solver/element/element_solver.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace triangle::elements {

// A fact as the scheme reads it: one element's value, or two elements' ratio, sum or
// difference (a multiple is a ratio to 1).
struct SchemeFact {
    enum class Form { Value, Ratio, Sum, Difference };
    Form form = Form::Value;
    Element left = Element::a;
    Element right = Element::b; // unused by Value
    double value = 0.0;
};

// The element of the triangle with hypotenuse 1 and angle α in degrees.
double UnitElement(Element element, double alpha);
// d: 0 for an angle or a trigonometric value, 2 for the area, 1 for the rest.
int DegreeOf(Element element);
int DegreeOf(const SchemeFact& fact);
double UnitFact(const SchemeFact& fact, double alpha);
// Whether the fact is its own mirror image (c, h, S, P, r, R, l_c, a + b, …).
bool IsSymmetric(const SchemeFact& fact);

// The roots α of the two facts in (0°; 90°), ascending; of a pair of facts that are each
// their own mirror image, only those up to 45°. A fact of degree 0 with another of degree 0
// has none: the caller refuses them. Where the equation only touches zero (the isosceles
// triangle, or an extremum) within the typing of the given values, half a thousandth either
// way, that point is the root.
std::vector<double> SchemeRoots(const SchemeFact& first, const SchemeFact& second);

// The values a fact of degree 1 or 2, `limited`, can take over the shapes α in (0°; 90°) when
// another such fact, `given`, is fixed: each end is the bound of the limited fact's value,
// unset where there is none that way (it grows without end, or falls to 0); `reached` where a
// triangle has it (at the angle `at`: the isosceles triangle, or another extremum), not
// where only a flat or an endless triangle would.
struct SchemeEnd {
    std::optional<double> value;
    bool reached = false;
    double at = 0.0;
};
struct SchemeRange {
    SchemeEnd low;
    SchemeEnd high;
};
SchemeRange ScaleFreeRange(const SchemeFact& given, const SchemeFact& limited);

// The triangles two facts may offer: a third fits only facts no textbook pairs (l_c − h = 1
// with a = 76 fits three), and the two with the shorter a are offered.
inline constexpr std::size_t MostTriangles = 2;

// c of the triangle with angle α from a fact of degree 1 or 2.
double HypotenuseFrom(const SchemeFact& fact, double alpha);

} // namespace triangle::elements
