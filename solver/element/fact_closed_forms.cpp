#include "solver/element/fact_closed_forms.h"

#include "solver/element/element_pairs.h"

#include <cmath>
#include <numbers>

namespace triangle::facts {

namespace {

using E = Element;

// left : right as a number and its exact value where both terms were typed exactly: the
// ratio's terms, or a multiple's factor to 1.
struct Quotient {
    double value;
    ExactNumber exact;
};

Quotient quotientOf(const Relation& relation)
{
    if (relation.kind == RelationKind::Multiple)
        return {relation.first.value, relation.first.exact};
    ExactNumber exact;
    if (relation.first.exact.exists() && relation.second.exact.exists())
        exact = relation.first.exact / relation.second.exact;
    return {relation.first.value / relation.second.value, exact};
}

Quotient inverse(const Quotient& q)
{
    return {1.0 / q.value, q.exact.exists() ? ExactNumber::integer(1) / q.exact : ExactNumber()};
}

bool isRatio(const Relation& relation)
{
    return relation.kind == RelationKind::Ratio || relation.kind == RelationKind::Multiple;
}

} // namespace

std::optional<GivenElement> AngleOf(const Relation& relation)
{
    if (!IsAngle(relation.left) || !IsAngle(relation.right) || relation.kind == RelationKind::Sum)
        return std::nullopt;
    const ExactNumber ninety = ExactNumber::integer(90);
    const bool alphaLeft = relation.left == E::alpha;
    if (relation.kind == RelationKind::Difference) {
        // α − β = d with α + β = 90°: α = (90° + d)/2.
        const double d = alphaLeft ? relation.first.value : -relation.first.value;
        ExactNumber exact;
        if (relation.first.exact.exists())
            exact = (ninety + (alphaLeft ? relation.first.exact : -relation.first.exact)) /
                    ExactNumber::integer(2);
        return GivenElement{E::alpha, (90.0 + d) / 2.0, exact};
    }
    // α : β = p : q: α = 90°·p/(p + q).
    Quotient q = quotientOf(relation);
    if (!alphaLeft)
        q = inverse(q);
    ExactNumber exact;
    if (q.exact.exists())
        exact = ninety * q.exact / (ExactNumber::integer(1) + q.exact);
    return GivenElement{E::alpha, 90.0 * q.value / (1.0 + q.value), exact};
}

std::optional<GivenElement> TrigonometricOf(const Relation& relation)
{
    if (!isRatio(relation))
        return std::nullopt;
    const Quotient q = quotientOf(relation);
    const E l = relation.left;
    const E r = relation.right;
    const auto given = [](E element, const Quotient& value) {
        return GivenElement{element, value.value, value.exact};
    };
    if (l == E::a && r == E::b)
        return given(E::tgAlpha, q);
    if (l == E::b && r == E::a)
        return given(E::tgAlpha, inverse(q));
    if (l == E::a && r == E::c)
        return given(E::sinAlpha, q);
    if (l == E::c && r == E::a)
        return given(E::sinAlpha, inverse(q));
    if (l == E::b && r == E::c)
        return given(E::cosAlpha, q);
    if (l == E::c && r == E::b)
        return given(E::cosAlpha, inverse(q));
    // a₁ : b₁ = a² : b² = tg²α.
    if ((l == E::a1 && r == E::b1) || (l == E::b1 && r == E::a1)) {
        const Quotient square = l == E::a1 ? q : inverse(q);
        return GivenElement{E::tgAlpha, std::sqrt(square.value),
                            square.exact.exists() ? sqrt(square.exact) : ExactNumber()};
    }
    return std::nullopt;
}

std::optional<Legs> LegsFromDifference(const Relation& relation, const GivenElement& leg,
                                       ElementRefusal& refusal)
{
    if (relation.kind != RelationKind::Difference || relation.left != E::c ||
        !(relation.right == E::a || relation.right == E::b) ||
        leg.element != elements::MirrorOf(relation.right))
        return std::nullopt;
    // c − a = d with b: b² = (c − a)(c + a), so c + a = b²/d and a = (b²/d − d)/2.
    const double d = relation.first.value;
    const double x = leg.value;
    refusal.reason = ElementRefusalReason::Bound;
    refusal.otherLeg = relation.right == E::b;
    if (!(d > 0.0)) {
        refusal.bound = ElementBound::HypotenuseLongest;
        refusal.boundValue = 0.0;
        return Legs{};
    }
    if (!(d < x)) {
        refusal.bound = ElementBound::DifferenceBelowOtherLeg;
        refusal.boundValue = x;
        return Legs{};
    }
    const double found = (x * x / d - d) / 2.0;
    ExactNumber exact;
    if (relation.first.exact.exists() && leg.exact.exists()) {
        const ExactNumber& de = relation.first.exact;
        exact = (leg.exact * leg.exact / de - de) / ExactNumber::integer(2);
    }
    refusal.reason = ElementRefusalReason::NoTriangle;
    return Legs{GivenElement{relation.right, found, exact}, leg, true};
}

std::optional<Legs> LegsFromSum(const Relation& relation, const GivenElement& hypotenuse,
                                ElementRefusal& refusal)
{
    const bool legs = (relation.left == E::a && relation.right == E::b) ||
                      (relation.left == E::b && relation.right == E::a);
    if (relation.kind != RelationKind::Sum || !legs || hypotenuse.element != E::c)
        return std::nullopt;
    const double s = relation.first.value;
    const double c = hypotenuse.value;
    refusal.reason = ElementRefusalReason::Bound;
    if (!(s > c)) {
        refusal.bound = ElementBound::SumOfLegsAboveHypotenuse;
        refusal.boundValue = c;
        return Legs{};
    }
    // a and b are the roots of x² − s·x + (s² − c²)/2 = 0: (s ∓ √(2c² − s²))/2.
    const double discriminant = 2.0 * c * c - s * s;
    if (!(discriminant >= 0.0)) {
        const bool within =
            elements::withinTypingBelow(s, c, [](double x) { return x * std::numbers::sqrt2; });
        if (!within) {
            refusal.bound = ElementBound::SumOfLegsAtMostHypotenuseShare;
            refusal.boundValue = c * std::numbers::sqrt2;
            return Legs{};
        }
        // Within typing of the isosceles triangle: its legs c/√2.
        const double leg = c / std::numbers::sqrt2;
        refusal.reason = ElementRefusalReason::NoTriangle;
        return Legs{GivenElement{E::a, leg, {}}, GivenElement{E::b, leg, {}}, true};
    }
    const double root = std::sqrt(discriminant);
    ExactNumber shorter;
    ExactNumber longer;
    if (relation.first.exact.exists() && hypotenuse.exact.exists()) {
        const ExactNumber& se = relation.first.exact;
        const ExactNumber& ce = hypotenuse.exact;
        const ExactNumber rootExact = sqrt(ExactNumber::integer(2) * ce * ce - se * se);
        shorter = (se - rootExact) / ExactNumber::integer(2);
        longer = (se + rootExact) / ExactNumber::integer(2);
    }
    refusal.reason = ElementRefusalReason::NoTriangle;
    return Legs{GivenElement{E::a, (s - root) / 2.0, shorter},
                GivenElement{E::b, (s + root) / 2.0, longer}, true};
}

} // namespace triangle::facts
