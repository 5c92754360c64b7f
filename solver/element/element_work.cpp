#include "solver/element/element_pairs.h"

#include "solver/element/cevians.h"

#include <cmath>
#include <iterator>

namespace triangle {

const char* ElementSymbol(Element element)
{
    static constexpr const char* symbols[ElementCount] = {
        "a",    "b",      "c",   "α",     "β",     "h",    "a₁",     "b₁",    "S",
        "P",    "r",      "R",   "sin α", "cos α", "tg α", "cotg α", "sin β", "cos β",
        "tg β", "cotg β", "m_a", "m_b",   "l_a",   "l_b",  "l_c"};
    return symbols[static_cast<std::size_t>(element)];
}

bool IsAngle(Element element)
{
    return element == Element::alpha || element == Element::beta;
}

bool IsTrigonometric(Element element)
{
    return element >= Element::sinAlpha && element <= Element::cotgBeta;
}

bool IsCevian(Element element)
{
    return element >= Element::mA;
}

namespace {

std::size_t indexOf(Element element)
{
    return static_cast<std::size_t>(element);
}

// Each measured element's place in a whole triangle, in the order of Element.
constexpr double TriangleDetails::*detailsMembers[MeasuredElementCount] = {
    &TriangleDetails::a,    &TriangleDetails::b, &TriangleDetails::c,  &TriangleDetails::alpha,
    &TriangleDetails::beta, &TriangleDetails::h, &TriangleDetails::a1, &TriangleDetails::b1,
    &TriangleDetails::S,    &TriangleDetails::P, &TriangleDetails::r,  &TriangleDetails::R};

// Each bound as a's side writes it and as b's does, in the order of ElementBound.
struct BoundFormulas {
    const char* a;
    const char* b;
};
constexpr BoundFormulas boundFormulas[] = {
    {"a < c", "b < c"},                           // LegBelowHypotenuse
    {"a₁ < c", "b₁ < c"},                         // ProjectionBelowHypotenuse
    {"a₁ < a", "b₁ < b"},                         // ProjectionBelowLeg
    {"h < a", "h < b"},                           // HeightBelowLeg
    {"a < 2R", "b < 2R"},                         // LegBelowDiameter
    {"a₁ < 2R", "b₁ < 2R"},                       // ProjectionBelowDiameter
    {"r < a/2", "r < b/2"},                       // InradiusBelowHalfLeg
    {"r < h/2", "r < h/2"},                       // InradiusBelowHalfHeight
    {"P > 2a", "P > 2b"},                         // PerimeterAboveTwiceLeg
    {"P > 2a₁", "P > 2b₁"},                       // PerimeterAboveTwiceProjection
    {"P > 2c", "P > 2c"},                         // PerimeterAboveTwiceHypotenuse
    {"P > 4R", "P > 4R"},                         // PerimeterAboveFourCircumradii
    {"α < 90°", "β < 90°"},                       // AngleBelowRightAngle
    {"sin α < 1", "sin β < 1"},                   // SineBelowOne
    {"cos α < 1", "cos β < 1"},                   // CosineBelowOne
    {"S ≤ c²/4", "S ≤ c²/4"},                     // AreaAtMostQuarterHypotenuseSquare
    {"P ≤ (1 + √2)·c", "P ≤ (1 + √2)·c"},         // PerimeterAtMostHypotenuseShare
    {"S ≤ (3 − 2√2)·P²/4", "S ≤ (3 − 2√2)·P²/4"}, // AreaAtMostPerimeterShare
    {"h ≤ c/2", "h ≤ c/2"},                       // HeightAtMostHalfHypotenuse
    {"r ≤ (√2 − 1)·c/2", "r ≤ (√2 − 1)·c/2"},     // InradiusAtMostHypotenuseShare
    {"S ≥ h²", "S ≥ h²"},                         // AreaAtLeastHeightSquare
    {"h ≤ (√2 − 1)·P/2", "h ≤ (√2 − 1)·P/2"},     // HeightAtMostPerimeterShare
    {"r ≥ (√2 − 1)·h", "r ≥ (√2 − 1)·h"},         // InradiusAtLeastHeightShare
    {"h ≤ R", "h ≤ R"},                           // HeightAtMostCircumradius
    {"S ≥ (3 + 2√2)·r²", "S ≥ (3 + 2√2)·r²"},     // AreaAtLeastInradiusShare
    {"S ≤ R²", "S ≤ R²"},                         // AreaAtMostCircumradiusSquare
    {"r ≤ (3 − 2√2)·P/2", "r ≤ (3 − 2√2)·P/2"},   // InradiusAtMostPerimeterShare
    {"P ≤ 2(1 + √2)·R", "P ≤ 2(1 + √2)·R"},       // PerimeterAtMostCircumradiusShare
    {"r ≤ (√2 − 1)·R", "r ≤ (√2 − 1)·R"},         // InradiusAtMostCircumradiusShare
    {"m_a > b", "m_b > a"},                       // MedianAboveOtherLeg
    {"a + b > c", "a + b > c"},                   // SumOfLegsAboveHypotenuse
    {"a + b ≤ c·√2", "a + b ≤ c·√2"},             // SumOfLegsAtMostHypotenuseShare
    {"c > a", "c > b"},                           // HypotenuseLongest
    {"c − a < b", "c − b < a"},                   // DifferenceBelowOtherLeg
    {"l_c ≤ c/2", "l_c ≤ c/2"},                   // BisectorAtMostHalfHypotenuse
    {"l_c ≤ R", "l_c ≤ R"},                       // BisectorAtMostCircumradius
    {"l_c < a·√2", "l_c < b·√2"},                 // BisectorBelowLegShare
    {"", ""},                                     // CevianBetween: its numbers say it
};
static_assert(std::size(boundFormulas) ==
              static_cast<std::size_t>(ElementBound::CevianBetween) + 1);

// a ↔ b, α ↔ β, a₁ ↔ b₁, sin α ↔ sin β, …, in the order of Element.
constexpr Element mirrors[ElementCount] = {
    Element::b,        Element::a,        Element::c,        Element::beta,    Element::alpha,
    Element::h,        Element::b1,       Element::a1,       Element::S,       Element::P,
    Element::r,        Element::R,        Element::sinBeta,  Element::cosBeta, Element::tgBeta,
    Element::cotgBeta, Element::sinAlpha, Element::cosAlpha, Element::tgAlpha, Element::cotgAlpha,
    Element::mB,       Element::mA,       Element::lB,       Element::lA,      Element::lC};

} // namespace

double ElementOf(const TriangleDetails& triangle, Element element)
{
    switch (element) {
    case Element::sinAlpha:
    case Element::cosBeta:
        return triangle.a / triangle.c;
    case Element::cosAlpha:
    case Element::sinBeta:
        return triangle.b / triangle.c;
    case Element::tgAlpha:
    case Element::cotgBeta:
        return triangle.a / triangle.b;
    case Element::cotgAlpha:
    case Element::tgBeta:
        return triangle.b / triangle.a;
    case Element::mA:
    case Element::mB:
    case Element::lA:
    case Element::lB:
    case Element::lC:
        return elements::CevianOf(triangle.a, triangle.b, triangle.c, element);
    default:
        return triangle.*detailsMembers[indexOf(element)];
    }
}

double& ElementPlace(TriangleDetails& triangle, Element element)
{
    return triangle.*detailsMembers[indexOf(element)];
}

const char* ElementBoundFormula(ElementBound bound, bool otherLeg)
{
    const BoundFormulas& formulas = boundFormulas[static_cast<std::size_t>(bound)];
    return otherLeg ? formulas.b : formulas.a;
}

namespace elements {

double CevianOf(double a, double b, double c, Element cevian)
{
    try {
        return CevianTerm(cevian, Quantity("a", Checked(a)), Quantity("b", Checked(b)),
                          Quantity("c", Checked(c)),
                          [](const auto& term) { return term.value().value(); });
    } catch (const CalculationStopped&) {
        return HUGE_VAL;
    }
}

Element MirrorOf(Element element)
{
    return mirrors[indexOf(element)];
}

Work::Work(const ElementRefusal& base, bool mirrored, Steps* steps,
           const std::array<ExactNumber, 2>& exact)
    : m_base(base), m_mirrored(mirrored), m_steps(steps)
{
    const auto given = [](Element element, double value) {
        return Quantity(ElementSymbol(element), Checked(value), IsAngle(element) ? "°" : "");
    };
    m_known[index(base.first)] = given(base.first, *base.firstValue);
    m_known[index(base.second)] = given(base.second, *base.secondValue);
    if (steps) {
        const std::pair<Element, double> values[2] = {{base.first, *base.firstValue},
                                                      {base.second, *base.secondValue}};
        for (std::size_t i = 0; i < 2; ++i) {
            if (exact[i].exists())
                steps->given(ElementSymbol(values[i].first), exact[i]);
            else
                steps->given(ElementSymbol(values[i].first), values[i].second);
        }
    }
}

Element Work::actual(Element element) const
{
    return m_mirrored ? MirrorOf(element) : element;
}

void Work::forgetFound()
{
    for (std::size_t i = 0; i < m_known.size(); ++i) {
        const auto element = static_cast<Element>(i);
        if (element != m_base.first && element != m_base.second)
            m_known[i].reset();
    }
}

bool Work::isGiven(Element element) const
{
    const Element it = actual(element);
    return it == m_base.first || it == m_base.second;
}

const Quantity& Work::operator[](Element element) const
{
    return *m_known[index(actual(element))];
}

const Quantity& Work::keep(Element element, const Quantity& value)
{
    return *(m_known[index(actual(element))] = value);
}

ElementRefusal Work::refuse(ElementBound bound, Element limited, std::optional<double> value) const
{
    ElementRefusal refusal = m_base;
    refusal.reason = ElementRefusalReason::Bound;
    refusal.bound = bound;
    refusal.field = actual(limited);
    refusal.otherLeg = m_mirrored;
    if (value && std::isfinite(*value))
        refusal.boundValue = value;
    return refusal;
}

ElementRefusal Work::refuse(ElementRefusalReason reason) const
{
    ElementRefusal refusal = m_base;
    refusal.reason = reason;
    refusal.field = m_base.first;
    return refusal;
}

} // namespace elements
} // namespace triangle
