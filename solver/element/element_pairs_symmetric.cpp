#include "solver/element/element_pairs.h"

#include <numbers>

namespace triangle::elements {

namespace {

using formula::four;
using formula::sqrtTwo;
using formula::two;
using E = Element;

// The bounds of these pairs as shares of the other element, to the nearest double.
constexpr double sqrtTwoLessOne = 0.41421356237309504880168872420970;
constexpr double halfSqrtTwoLessOne = 0.20710678118654752440084436210485;
constexpr double threePlusTwoSqrtTwo = 5.8284271247461900976033774484194;
constexpr double halfThreeLessTwoSqrtTwo = 0.085786437626904951198311275790302;
constexpr double twiceOnePlusSqrtTwo = 4.8284271247461900976033774484194;

// The bound a pair meets only at the isosceles triangle: `limited` at most (or, for a
// lower bound, at least) share·other, or share·other² where `square`.
struct IsoscelesBound {
    ElementBound id;
    Element limited;
    Element other;
    bool upper;
    double share;
    bool square = false;

    double at(double value) const { return square ? share * (value * value) : share * value; }
};

// The isosceles right triangle with one given element kept exactly: its legs and
// hypotenuse.
void isosceles(Work& work, Element kept)
{
    const Quantity x = work[kept];
    switch (kept) {
    case E::P: {
        const Quantity& a = work.find(E::a, x / (two + sqrtTwo));
        const Quantity& b = work.find(E::b, a);
        work.find(E::c, x - (a + b));
        return;
    }
    case E::S: {
        const Quantity& a = work.find(E::a, sqrt(two * x));
        work.find(E::b, a);
        work.find(E::c, a * sqrtTwo);
        return;
    }
    case E::R:
    case E::h:
        work.find(E::c, two * x);
        break;
    case E::c:
        break;
    case E::a:
    case E::b:
    case E::alpha:
    case E::beta:
    case E::a1:
    case E::b1:
    case E::sinAlpha:
    case E::cosAlpha:
    case E::tgAlpha:
    case E::cotgAlpha:
    case E::sinBeta:
    case E::cosBeta:
    case E::tgBeta:
    case E::cotgBeta:
    case E::mA:
    case E::mB:
    case E::lA:
    case E::lB:
    case E::lC:
    case E::r: // every pair with r has one of the others, kept first
        return;
    }
    const Quantity& a = work.find(E::a, work[E::c] / sqrtTwo);
    work.find(E::b, a);
}

// Whether the given values meet the bound, or come within it when each is changed by half
// a thousandth.
enum class Meets { Yes, WithinTyping, No };

Meets meets(const Work& work, const IsoscelesBound& bound)
{
    const double limited = work.number(bound.limited);
    const double other = work.number(bound.other);
    const auto at = [&](double value) { return bound.at(value); };
    if (bound.upper ? limited <= at(other) : limited >= at(other))
        return Meets::Yes;
    const bool within =
        bound.upper ? withinTypingBelow(limited, other, at) : withinTypingAbove(limited, other, at);
    return within ? Meets::WithinTyping : Meets::No;
}

// The legs from the hypotenuse, the area and the sum of the legs s, worked out first as a
// step from `sum`: b − a = √(c² − 4S), b = (s + t)/2 and a = 2S/b, which loses nothing when
// a is much the shorter. False where the radicand is below zero beyond rounding.
template <formula::Term T> bool legsFromSum(Work& work, const T& sum)
{
    const Quantity s = formula::step(work.steps(), "s", sum, StepNote::SumOfLegs);
    const Quantity c = work[E::c];
    const Quantity S = work[E::S];
    const auto difference = sqrtOfDifference(c * c, four * S);
    if (!difference)
        return false;
    const Quantity t =
        formula::step(work.steps(), "t", *difference, StepNote::LegsDifferenceBMinusA);
    const Quantity& b = work.find(E::b, (s + t) / two);
    work.find(E::a, (two * S) / b);
    return true;
}

// s = √(c² + 4S), the sum of the legs from the hypotenuse and the area.
bool legsFromHypotenuseAndArea(Work& work)
{
    const Quantity c = work[E::c];
    const Quantity S = work[E::S];
    return legsFromSum(work, sqrt(c * c + four * S));
}

// Each pair's own formulas up to the legs, from its first given value x and its second y:
// false where the legs' difference has no root.

bool hypotenuseAndHeight(Work& work, const Quantity& x, const Quantity& y)
{
    work.find(E::S, (x * y) / two);
    return legsFromHypotenuseAndArea(work);
}

bool hypotenuseAndInradius(Work& work, const Quantity& x, const Quantity& y)
{
    // a + b = c + 2r, and S = r·p with the half perimeter p = c + r.
    work.find(E::S, y * (x + y));
    return legsFromSum(work, x + two * y);
}

bool heightAndArea(Work& work, const Quantity& x, const Quantity& y)
{
    work.find(E::c, (two * y) / x);
    return legsFromHypotenuseAndArea(work);
}

bool heightAndPerimeter(Work& work, const Quantity& x, const Quantity& y)
{
    // (P − c)² = c² + 2h·c.
    const Quantity& c = work.find(E::c, (y * y) / (two * (y + x)));
    work.find(E::S, (c * x) / two);
    return legsFromSum(work, y - c);
}

bool heightAndInradius(Work& work, const Quantity& x, const Quantity& y)
{
    // (c + 2r)² = c² + 2h·c.
    const Quantity& c = work.find(E::c, ((two * y) * y) / (x - two * y));
    work.find(E::S, (c * x) / two);
    return legsFromSum(work, c + two * y);
}

bool heightAndCircumradius(Work& work, const Quantity& x, const Quantity& y)
{
    const Quantity& c = work.find(E::c, two * y);
    work.find(E::S, (c * x) / two);
    return legsFromHypotenuseAndArea(work);
}

bool areaAndInradius(Work& work, const Quantity& x, const Quantity& y)
{
    // S = r·p with p = c + r.
    const Quantity& c = work.find(E::c, x / y - y);
    return legsFromSum(work, c + two * y);
}

bool areaAndCircumradius(Work& work, const Quantity&, const Quantity& y)
{
    work.find(E::c, two * y);
    return legsFromHypotenuseAndArea(work);
}

bool perimeterAndInradius(Work& work, const Quantity& x, const Quantity& y)
{
    const Quantity& c = work.find(E::c, (x - two * y) / two);
    work.find(E::S, (y * x) / two);
    return legsFromSum(work, x - c);
}

bool perimeterAndCircumradius(Work& work, const Quantity& x, const Quantity& y)
{
    // a·b = (s² − c²)/2 = (P − 2c)·P/2.
    const Quantity& c = work.find(E::c, two * y);
    work.find(E::S, ((x - two * c) * x) / four);
    return legsFromSum(work, x - c);
}

bool inradiusAndCircumradius(Work& work, const Quantity& x, const Quantity& y)
{
    // a + b = c + 2r, S = r·(c + r).
    const Quantity& c = work.find(E::c, two * y);
    work.find(E::S, x * (c + x));
    return legsFromSum(work, c + two * x);
}

// A pair of two of c, h, S, P, r, R (c and S, c and P, S and P excepted, solved as
// variants): its own formulas and its bound, which names both its elements.
struct SymmetricPair {
    bool (*upToLegs)(Work& work, const Quantity& x, const Quantity& y);
    IsoscelesBound bound;
};

using B = ElementBound;

constexpr SymmetricPair symmetricPairs[] = {
    {hypotenuseAndHeight, {B::HeightAtMostHalfHypotenuse, E::h, E::c, true, 0.5}},
    {hypotenuseAndInradius,
     {B::InradiusAtMostHypotenuseShare, E::r, E::c, true, halfSqrtTwoLessOne}},
    {heightAndArea, {B::AreaAtLeastHeightSquare, E::S, E::h, false, 1.0, true}},
    {heightAndPerimeter, {B::HeightAtMostPerimeterShare, E::h, E::P, true, halfSqrtTwoLessOne}},
    {heightAndInradius, {B::InradiusAtLeastHeightShare, E::r, E::h, false, sqrtTwoLessOne}},
    {heightAndCircumradius, {B::HeightAtMostCircumradius, E::h, E::R, true, 1.0}},
    {areaAndInradius, {B::AreaAtLeastInradiusShare, E::S, E::r, false, threePlusTwoSqrtTwo, true}},
    {areaAndCircumradius, {B::AreaAtMostCircumradiusSquare, E::S, E::R, true, 1.0, true}},
    {perimeterAndInradius,
     {B::InradiusAtMostPerimeterShare, E::r, E::P, true, halfThreeLessTwoSqrtTwo}},
    {perimeterAndCircumradius,
     {B::PerimeterAtMostCircumradiusShare, E::P, E::R, true, twiceOnePlusSqrtTwo}},
    {inradiusAndCircumradius,
     {B::InradiusAtMostCircumradiusShare, E::r, E::R, true, sqrtTwoLessOne}},
};

const SymmetricPair* symmetricPairOf(Element first, Element second)
{
    for (const SymmetricPair& pair : symmetricPairs) {
        const Element limited = pair.bound.limited;
        const Element other = pair.bound.other;
        if ((limited == first && other == second) || (limited == second && other == first))
            return &pair;
    }
    return nullptr;
}

// The element the isosceles triangle keeps exactly, the first of c, R, P, h, S, r given.
Element keptOf(Element first, Element second)
{
    for (Element element : {E::c, E::R, E::P, E::h, E::S, E::r})
        if (element == first || element == second)
            return element;
    return first;
}

// With steps to keep, says that the values meet the bound only within their rounding, so
// that the isosceles triangle's formulas follow.
void noteWithinTyping(Work& work, const IsoscelesBound& bound)
{
    if (Steps* steps = work.steps()) {
        steps->dropExact();
        steps->add({"", ElementBoundFormula(bound.id, false), "",
                    bound.at(work.number(bound.other)), "", StepNote::BoundWithinRounding});
    }
}

} // namespace

Outcome SolveSymmetricPair(Work& work, Element first, Element second)
{
    if (second < first)
        std::swap(first, second);
    if (first == E::c && second == E::S)
        return SolveAsVariant(work, Variant::HypotenuseAndArea, E::c, E::S);
    if (first == E::c && second == E::P)
        return SolveAsVariant(work, Variant::HypotenuseAndPerimeter, E::c, E::P);
    if (first == E::S && second == E::P)
        return SolveAsVariant(work, Variant::PerimeterAndArea, E::P, E::S);

    // The bounds only a triangle that grows without end reaches.
    if (first == E::h && second == E::r && !(work.number(E::r) < work.number(E::h) / 2.0))
        return work.refuse(ElementBound::InradiusBelowHalfHeight, E::r, work.number(E::h) / 2.0);
    if (first == E::P && second == E::R && !(work.number(E::P) > 4.0 * work.number(E::R)))
        return work.refuse(ElementBound::PerimeterAboveFourCircumradii, E::P,
                           4.0 * work.number(E::R));

    const SymmetricPair* pair = symmetricPairOf(first, second);
    if (!pair) // c and R, refused before its formulas
        return work.refuse(ElementRefusalReason::NoTriangle);
    const IsoscelesBound& bound = pair->bound;
    const Meets met = meets(work, bound);
    if (met == Meets::No)
        return work.refuse(bound.id, bound.limited, bound.at(work.number(bound.other)));
    if (met == Meets::Yes && pair->upToLegs(work, work[first], work[second]))
        return std::nullopt;
    work.forgetFound();
    noteWithinTyping(work, bound);
    isosceles(work, keptOf(first, second));
    return std::nullopt;
}

} // namespace triangle::elements
