#include "solver/element/element_solver.h"

#include "solver/element/cevians.h"
#include "solver/element/element_pairs.h"
#include "solver/formula/formula_angles.h"
#include "solver/variant/variant_solver.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <utility>

namespace triangle {

namespace {

using elements::Outcome;
using elements::Work;
using formula::ninety;
using formula::Quantity;
using formula::two;

enum class Side { A, B, Both };
enum class Kind { Leg, Angle, Projection, Symmetric, Trigonometric, Cevian };

// Each element's side and kind, in the order of Element, three a line: a, b, c; α, β, h;
// a₁, b₁, S; P, r, R; then the trigonometric values of α and of β; then the medians and
// bisectors.
struct Place {
    Side side;
    Kind kind;
};
constexpr Place places[] = {
    {Side::A, Kind::Leg},           {Side::B, Kind::Leg},           {Side::Both, Kind::Symmetric},
    {Side::A, Kind::Angle},         {Side::B, Kind::Angle},         {Side::Both, Kind::Symmetric},
    {Side::A, Kind::Projection},    {Side::B, Kind::Projection},    {Side::Both, Kind::Symmetric},
    {Side::Both, Kind::Symmetric},  {Side::Both, Kind::Symmetric},  {Side::Both, Kind::Symmetric},
    {Side::A, Kind::Trigonometric}, {Side::A, Kind::Trigonometric}, {Side::A, Kind::Trigonometric},
    {Side::A, Kind::Trigonometric}, {Side::B, Kind::Trigonometric}, {Side::B, Kind::Trigonometric},
    {Side::B, Kind::Trigonometric}, {Side::B, Kind::Trigonometric}, {Side::A, Kind::Cevian},
    {Side::B, Kind::Cevian},        {Side::A, Kind::Cevian},        {Side::B, Kind::Cevian},
    {Side::Both, Kind::Cevian},
};
static_assert(std::size(places) == ElementCount);

Side sideOf(Element element)
{
    return places[static_cast<std::size_t>(element)].side;
}

Kind kindOf(Element element)
{
    return places[static_cast<std::size_t>(element)].kind;
}

bool isPair(Element x, Element y, Element p, Element q)
{
    return (x == p && y == q) || (x == q && y == p);
}

// The trigonometric values of the whole triangle not given or found already, from its legs
// and hypotenuse as ElementOf works them out; kept without steps, for their exact values.
// A ratio beyond the doubles (tg α of a triangle 10³⁰⁰ times as long as it is wide) is left
// without one: it refuses no triangle.
void noteTrigonometric(Work& work)
try {
    using E = Element;
    const Quantity a = work[E::a];
    const Quantity b = work[E::b];
    const Quantity c = work[E::c];
    const auto note = [&work](Element element, const auto& term) {
        if (!work.has(element))
            work.note(element, term);
    };
    note(E::sinAlpha, a / c);
    note(E::cosAlpha, b / c);
    note(E::tgAlpha, a / b);
    note(E::cotgAlpha, b / a);
    note(E::sinBeta, b / c);
    note(E::cosBeta, a / c);
    note(E::tgBeta, b / a);
    note(E::cotgBeta, a / b);
} catch (const CalculationStopped&) {
}

// The rest of the triangle from its legs and hypotenuse, each element not given or found
// already: the angles by arctg as for a row, or as 90° less a given one; the height, the
// projections, the area, the perimeter and the radii from the legs' product and squares,
// which have no cancellation.
void complete(Work& work)
{
    const Quantity a = work[Element::a];
    const Quantity b = work[Element::b];
    const Quantity c = work[Element::c];
    if (work.has(Element::beta) && !work.has(Element::alpha))
        work.find(Element::alpha, ninety - work[Element::beta]);
    if (!work.has(Element::alpha))
        work.find(Element::alpha, formula::ArcTangentDegrees(a, b));
    if (!work.has(Element::beta)) {
        if (work.isGiven(Element::alpha))
            work.find(Element::beta, ninety - work[Element::alpha]);
        else
            work.find(Element::beta, formula::ArcTangentDegrees(b, a));
    }
    if (!work.has(Element::h))
        work.find(Element::h, (a * b) / c);
    if (!work.has(Element::a1))
        work.find(Element::a1, (a * a) / c);
    if (!work.has(Element::b1))
        work.find(Element::b1, (b * b) / c);
    if (!work.has(Element::S))
        work.find(Element::S, (a * b) / two);
    if (!work.has(Element::P))
        work.find(Element::P, (a + b) + c);
    if (!work.has(Element::r))
        work.find(Element::r, (a * b) / ((a + b) + c));
    if (!work.has(Element::R))
        work.find(Element::R, c / two);
}

// The medians and bisectors not given, once the triangle is whole (their formulas divide by
// sums of the sides, which a triangle too small for the doubles makes zero).
void completeCevians(Work& work)
{
    const Quantity a = work[Element::a];
    const Quantity b = work[Element::b];
    const Quantity c = work[Element::c];
    for (const Element cevian : {Element::mA, Element::mB, Element::lA, Element::lB, Element::lC}) {
        if (!work.has(cevian))
            elements::CevianTerm(cevian, a, b, c, [&](const auto& term) {
                work.find(cevian, term);
                return 0;
            });
    }
}

// Every element of the solved triangle; nothing where one is so small that its square
// leaves the doubles, which would make zeros and no triangle.
std::optional<TriangleDetails> detailsOf(const Work& work)
{
    TriangleDetails details;
    for (int i = 0; i < MeasuredElementCount; ++i) {
        const auto element = static_cast<Element>(i);
        ElementPlace(details, element) = work.number(element);
        if (!(ElementPlace(details, element) >= std::numeric_limits<double>::min()))
            return std::nullopt;
    }
    return details;
}

// The checks every pair shares, before its own: two different elements that say more than
// one fact, both positive, an angle below a right angle, a sine or cosine below 1.
std::optional<ElementRefusal> commonRefusal(const ElementRefusal& base)
{
    ElementRefusal refusal = base;
    refusal.field = base.second;
    if (base.first == base.second) {
        refusal.reason = ElementRefusalReason::SameElement;
        return refusal;
    }
    if (isPair(base.first, base.second, Element::alpha, Element::beta)) {
        refusal.reason = ElementRefusalReason::OnlyTheShape;
        return refusal;
    }
    if (isPair(base.first, base.second, Element::c, Element::R)) {
        refusal.reason = ElementRefusalReason::OnlyTheSize;
        return refusal;
    }
    const std::pair<Element, double> givens[2] = {{base.first, *base.firstValue},
                                                  {base.second, *base.secondValue}};
    for (const auto& [element, value] : givens) {
        if (!(value > 0.0)) {
            refusal.reason = ElementRefusalReason::NotPositive;
            refusal.field = element;
            refusal.boundValue = 0.0;
            return refusal;
        }
    }
    for (const auto& [element, value] : givens) {
        if (IsAngle(element) && !(value < 90.0)) {
            refusal.reason = ElementRefusalReason::Bound;
            refusal.bound = ElementBound::AngleBelowRightAngle;
            refusal.field = element;
            refusal.otherLeg = element == Element::beta;
            refusal.boundValue = 90.0;
            return refusal;
        }
        const bool sine = element == Element::sinAlpha || element == Element::sinBeta;
        const bool cosine = element == Element::cosAlpha || element == Element::cosBeta;
        if ((sine || cosine) && !(value < 1.0)) {
            refusal.reason = ElementRefusalReason::Bound;
            refusal.bound = sine ? ElementBound::SineBelowOne : ElementBound::CosineBelowOne;
            refusal.field = element;
            refusal.otherLeg = sideOf(element) == Side::B;
            refusal.boundValue = 1.0;
            return refusal;
        }
    }
    if (const auto twice =
            elements::ShapeTwice(base.first, *base.firstValue, base.second, *base.secondValue)) {
        refusal.reason = *twice;
        return refusal;
    }
    return std::nullopt;
}

// Solves the pair in the orientation where the element that leads it (a leg before an
// angle before a projection) is a's; a pair of one element of each side of the same kind
// (a and b, a₁ and b₁) is its own mirror image.
Outcome solvePair(Work& work, Element first, Element second)
{
    if (IsCevian(first) || IsCevian(second))
        return work.refuse(ElementRefusalReason::NoTriangle);
    if (kindOf(second) == Kind::Trigonometric)
        std::swap(first, second);
    if (kindOf(first) == Kind::Trigonometric) {
        // The trigonometric value leads; α's, or β's under the mirror.
        if (work.mirrored()) {
            first = elements::MirrorOf(first);
            second = elements::MirrorOf(second);
        }
        return elements::SolveTrigonometricPair(work, first, second);
    }
    if (kindOf(first) == Kind::Symmetric && kindOf(second) == Kind::Symmetric)
        return SolveSymmetricPair(work, first, second);
    // The leading element first; of two of one kind (a and b, a₁ and b₁), a's.
    if (kindOf(second) < kindOf(first) || (kindOf(second) == kindOf(first) && second < first))
        std::swap(first, second);
    if (work.mirrored()) {
        first = elements::MirrorOf(first);
        second = elements::MirrorOf(second);
    }
    switch (kindOf(first)) {
    case Kind::Leg:
        return SolveLegPair(work, second);
    case Kind::Angle:
        return SolveAnglePair(work, second);
    case Kind::Projection:
        return SolveProjectionPair(work, second);
    case Kind::Symmetric:     // with a leading symmetric element both are, solved above
    case Kind::Trigonometric: // solved above
    case Kind::Cevian:        // solved above
        break;
    }
    return SolveSymmetricPair(work, first, second);
}

bool mirroredPair(Element first, Element second)
{
    if (IsCevian(first) || IsCevian(second))
        return false;
    if (kindOf(first) == Kind::Trigonometric)
        return sideOf(first) == Side::B;
    if (kindOf(second) == Kind::Trigonometric)
        return sideOf(second) == Side::B;
    if (kindOf(second) < kindOf(first))
        std::swap(first, second);
    if (kindOf(first) == Kind::Symmetric)
        return false;
    return sideOf(first) == Side::B && !(kindOf(second) == kindOf(first));
}

} // namespace

ElementSolution SolveElementValues(Element first, double firstValue, Element second,
                                   double secondValue, Steps* steps, Steps* rest)
{
    return SolveGivenElements({first, firstValue, {}}, {second, secondValue, {}}, steps, rest);
}

ElementSolution SolveGivenElements(const GivenElement& firstGiven, const GivenElement& secondGiven,
                                   Steps* steps, Steps* rest)
{
    const Element first = firstGiven.element;
    const Element second = secondGiven.element;
    ElementRefusal base;
    base.first = first;
    base.second = second;
    base.firstValue = firstGiven.value;
    base.secondValue = secondGiven.value;
    if (auto refused = commonRefusal(base))
        return *refused;

    Work work(base, mirroredPair(first, second), steps, {firstGiven.exact, secondGiven.exact});
    try {
        if (auto refused = solvePair(work, first, second))
            return *refused;
        work.unmirror(rest);
        complete(work);
    } catch (const CalculationStopped& stop) {
        return work.refuse(stop.fault == CalculationFault::Overflow
                               ? ElementRefusalReason::ResultBeyondRange
                               : ElementRefusalReason::NoTriangle);
    }
    const auto details = detailsOf(work);
    if (!details)
        return work.refuse(ElementRefusalReason::ResultTooSmall);
    try {
        completeCevians(work);
    } catch (const CalculationStopped&) {
        return work.refuse(ElementRefusalReason::ResultTooSmall);
    }
    noteTrigonometric(work);
    return *details;
}

ElementSolution SolveElements(Element first, std::string_view firstText, Element second,
                              std::string_view secondText, const NumberFormat& region)
{
    ElementRefusal refusal;
    refusal.first = first;
    refusal.second = second;
    const auto x = ReadGivenElement(first, firstText, region);
    if (!x.ok()) {
        refusal.field = first;
        refusal.textProblem = x.fault();
        return refusal;
    }
    const auto y = ReadGivenElement(second, secondText, region);
    if (!y.ok()) {
        refusal.field = second;
        refusal.textProblem = y.fault();
        refusal.firstValue = x.value().value;
        return refusal;
    }
    return SolveGivenElements({first, x.value().value, x.value().exact},
                              {second, y.value().value, y.value().exact});
}

Calculated<TypedNumber, FieldTextProblem> ReadGivenElement(Element element, std::string_view text,
                                                           const NumberFormat& region)
{
    return IsAngle(element) ? ReadTypedAngle(text, region) : ReadTypedNumber(text, region);
}

} // namespace triangle
