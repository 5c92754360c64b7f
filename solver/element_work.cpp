#include "solver/element_pairs.h"

#include <cmath>

namespace triangle {

const char* ElementSymbol(Element element)
{
    static constexpr const char* symbols[ElementCount] = {"a",  "b",  "c", "α", "β", "h",
                                                          "a₁", "b₁", "S", "P", "r", "R"};
    return symbols[static_cast<std::size_t>(element)];
}

bool IsAngle(Element element)
{
    return element == Element::alpha || element == Element::beta;
}

double ElementOf(const TriangleDetails& triangle, Element element)
{
    switch (element) {
    case Element::a:
        return triangle.a;
    case Element::b:
        return triangle.b;
    case Element::c:
        return triangle.c;
    case Element::alpha:
        return triangle.alpha;
    case Element::beta:
        return triangle.beta;
    case Element::h:
        return triangle.h;
    case Element::a1:
        return triangle.a1;
    case Element::b1:
        return triangle.b1;
    case Element::S:
        return triangle.S;
    case Element::P:
        return triangle.P;
    case Element::r:
        return triangle.r;
    case Element::R:
        return triangle.R;
    }
    return 0.0;
}

const char* ElementBoundFormula(ElementBound bound, bool otherLeg)
{
    using B = ElementBound;
    switch (bound) {
    case B::LegBelowHypotenuse:
        return otherLeg ? "b < c" : "a < c";
    case B::ProjectionBelowHypotenuse:
        return otherLeg ? "b₁ < c" : "a₁ < c";
    case B::ProjectionBelowLeg:
        return otherLeg ? "b₁ < b" : "a₁ < a";
    case B::HeightBelowLeg:
        return otherLeg ? "h < b" : "h < a";
    case B::LegBelowDiameter:
        return otherLeg ? "b < 2R" : "a < 2R";
    case B::ProjectionBelowDiameter:
        return otherLeg ? "b₁ < 2R" : "a₁ < 2R";
    case B::InradiusBelowHalfLeg:
        return otherLeg ? "r < b/2" : "r < a/2";
    case B::InradiusBelowHalfHeight:
        return "r < h/2";
    case B::PerimeterAboveTwiceLeg:
        return otherLeg ? "P > 2b" : "P > 2a";
    case B::PerimeterAboveTwiceProjection:
        return otherLeg ? "P > 2b₁" : "P > 2a₁";
    case B::PerimeterAboveTwiceHypotenuse:
        return "P > 2c";
    case B::PerimeterAboveFourCircumradii:
        return "P > 4R";
    case B::AngleBelowRightAngle:
        return otherLeg ? "β < 90°" : "α < 90°";
    case B::AreaAtMostQuarterHypotenuseSquare:
        return "S ≤ c²/4";
    case B::PerimeterAtMostHypotenuseShare:
        return "P ≤ (1 + √2)·c";
    case B::AreaAtMostPerimeterShare:
        return "S ≤ (3 − 2√2)·P²/4";
    case B::HeightAtMostHalfHypotenuse:
        return "h ≤ c/2";
    case B::InradiusAtMostHypotenuseShare:
        return "r ≤ (√2 − 1)·c/2";
    case B::AreaAtLeastHeightSquare:
        return "S ≥ h²";
    case B::HeightAtMostPerimeterShare:
        return "h ≤ (√2 − 1)·P/2";
    case B::InradiusAtLeastHeightShare:
        return "r ≥ (√2 − 1)·h";
    case B::HeightAtMostCircumradius:
        return "h ≤ R";
    case B::AreaAtLeastInradiusShare:
        return "S ≥ (3 + 2√2)·r²";
    case B::AreaAtMostCircumradiusSquare:
        return "S ≤ R²";
    case B::InradiusAtMostPerimeterShare:
        return "r ≤ (3 − 2√2)·P/2";
    case B::PerimeterAtMostCircumradiusShare:
        return "P ≤ 2(1 + √2)·R";
    case B::InradiusAtMostCircumradiusShare:
        return "r ≤ (√2 − 1)·R";
    }
    return "";
}

namespace elements {

Element MirrorOf(Element element)
{
    switch (element) {
    case Element::a:
        return Element::b;
    case Element::b:
        return Element::a;
    case Element::alpha:
        return Element::beta;
    case Element::beta:
        return Element::alpha;
    case Element::a1:
        return Element::b1;
    case Element::b1:
        return Element::a1;
    default:
        return element;
    }
}

Work::Work(const ElementRefusal& base, bool mirrored, Steps* steps)
    : m_base(base), m_mirrored(mirrored), m_steps(steps)
{
    const auto given = [](Element element, double value) {
        return Quantity(ElementSymbol(element), Checked(value), IsAngle(element) ? "°" : "");
    };
    m_known[index(base.first)] = given(base.first, *base.firstValue);
    m_known[index(base.second)] = given(base.second, *base.secondValue);
    if (steps) {
        steps->given(ElementSymbol(base.first), *base.firstValue);
        steps->given(ElementSymbol(base.second), *base.secondValue);
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
