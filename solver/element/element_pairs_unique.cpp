#include "solver/element/element_pairs.h"
#include "solver/formula/formula_angles.h"
#include "solver/variant/variant_solver.h"

namespace triangle::elements {

namespace {

using formula::four;
using formula::one;
using formula::two;
using E = Element;

// The legs from the projections and the hypotenuse: a² = a₁·c and b² = b₁·c.
void legsFromProjections(Work& work)
{
    const Quantity& c = work[E::c];
    work.find(E::a, sqrt(work[E::a1] * c));
    work.find(E::b, sqrt(work[E::b1] * c));
}

// The legs from the hypotenuse and the angle α.
void legsFromHypotenuseAndAngle(Work& work)
{
    const Quantity& c = work[E::c];
    const Quantity& alpha = work[E::alpha];
    work.find(E::a, c * sin(alpha));
    work.find(E::b, c * cos(alpha));
}

ElementRefusal refusalOf(const Work& work, const Refusal& refusal)
{
    switch (refusal.reason) {
    case RefusalReason::LegNotShorterThanHypotenuse:
        return work.refuse(ElementBound::LegBelowHypotenuse, E::a, refusal.bound);
    case RefusalReason::AreaTooLargeForHypotenuse:
        return work.refuse(ElementBound::AreaAtMostQuarterHypotenuseSquare, E::S, refusal.bound);
    case RefusalReason::PerimeterTooShortForHypotenuse:
        return work.refuse(ElementBound::PerimeterAboveTwiceHypotenuse, E::P, refusal.bound);
    case RefusalReason::PerimeterTooLongForHypotenuse:
        return work.refuse(ElementBound::PerimeterAtMostHypotenuseShare, E::P, refusal.bound);
    case RefusalReason::AreaTooLargeForPerimeter:
        return work.refuse(ElementBound::AreaAtMostPerimeterShare, E::S, refusal.bound);
    case RefusalReason::PerimeterTooShortForLeg:
        return work.refuse(ElementBound::PerimeterAboveTwiceLeg, E::P, refusal.bound);
    case RefusalReason::ResultBeyondRange:
        return work.refuse(ElementRefusalReason::ResultBeyondRange);
    case RefusalReason::FieldText:   // values, not texts, are given
    case RefusalReason::NotPositive: // refused before any pair's formulas
    case RefusalReason::NoTriangle:
        break;
    }
    return work.refuse(ElementRefusalReason::NoTriangle);
}

// An element that never stands second in a pair of this kind: the pair was refused, or
// taken as another kind, before its formulas.
Outcome notThisKind(const Work& work)
{
    return work.refuse(ElementRefusalReason::NoTriangle);
}

} // namespace

Outcome SolveAsVariant(Work& work, Variant variant, Element first, Element second)
{
    // The hypotenuse and the area find the longer leg first and call it a: here it is b, a
    // being the shorter, with the same bits.
    const bool longerFirst = variant == Variant::HypotenuseAndArea;
    const Element leg = longerFirst ? E::b : E::a;
    const Element other = longerFirst ? E::a : E::b;
    const LegNames legs{work.name(leg), work.name(other)};
    const Solution solved = SolveValues(VariantNumber(variant), work.number(first),
                                        work.number(second), work.steps(), legs);
    if (!solved.ok())
        return refusalOf(work, solved.fault());
    const RowFields& row = solved.value();
    work.keep(leg, Quantity(legs.a, Checked(*row.a)));
    work.keep(other, Quantity(legs.b, Checked(*row.b)));
    work.keep(E::c, Quantity("c", Checked(*row.c)));
    work.keep(E::P, Quantity("P", Checked(*row.P)));
    work.keep(E::S, Quantity("S", Checked(*row.S)));
    return std::nullopt;
}

Outcome SolveLegPair(Work& work, Element other)
{
    const Quantity a = work[E::a];
    const Quantity x = work[other];
    switch (other) {
    case E::b:
        work.find(E::c, sqrt(a * a + x * x));
        return std::nullopt;
    case E::c:
        return SolveAsVariant(work, Variant::LegAndHypotenuse, E::a, E::c);
    case E::S:
        return SolveAsVariant(work, Variant::LegAndArea, E::a, E::S);
    case E::P:
        return SolveAsVariant(work, Variant::LegAndPerimeter, E::a, E::P);
    case E::alpha:
        work.find(E::c, a / sin(x));
        work.find(E::b, a / tg(x));
        return std::nullopt;
    case E::beta:
        work.find(E::b, a * tg(x));
        work.find(E::c, a / cos(x));
        return std::nullopt;
    case E::h: {
        if (!(x < a))
            return work.refuse(ElementBound::HeightBelowLeg, E::h, a.number());
        const Quantity& a1 = work.find(E::a1, sqrt((a - x) * (a + x)));
        work.find(E::c, (a * a) / a1);
        work.find(E::b, (a * x) / a1);
        return std::nullopt;
    }
    case E::a1: {
        if (!(x < a))
            return work.refuse(ElementBound::ProjectionBelowLeg, E::a1, a.number());
        const Quantity& h = work.find(E::h, sqrt((a - x) * (a + x)));
        work.find(E::c, (a * a) / x);
        work.find(E::b, (a * h) / x);
        return std::nullopt;
    }
    case E::b1: {
        // The root of a₁² + b₁·a₁ − a² = 0 written without cancellation.
        const Quantity& a1 = work.find(E::a1, (two * (a * a)) / (x + sqrt(x * x + four * (a * a))));
        work.find(E::c, a1 + x);
        work.find(E::b, sqrt(x * work[E::c]));
        return std::nullopt;
    }
    case E::r: {
        if (!(x.number() < a.number() / 2.0))
            return work.refuse(ElementBound::InradiusBelowHalfLeg, E::r, a.number() / 2.0);
        // a + b − c = 2r with c² = a² + b².
        const Quantity& b = work.find(E::b, ((two * x) * (a - x)) / (a - two * x));
        work.find(E::c, sqrt(a * a + b * b));
        return std::nullopt;
    }
    case E::R: {
        if (!(a.number() < 2.0 * x.number()))
            return work.refuse(ElementBound::LegBelowDiameter, E::a, 2.0 * x.number());
        const Quantity& c = work.find(E::c, two * x);
        work.find(E::b, sqrt((c - a) * (c + a)));
        return std::nullopt;
    }
    case E::a:
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
        break;
    }
    return notThisKind(work);
}

Outcome SolveAnglePair(Work& work, Element other)
{
    const Quantity alpha = work[E::alpha];
    const Quantity x = work[other];
    switch (other) {
    case E::c:
        legsFromHypotenuseAndAngle(work);
        return std::nullopt;
    case E::h: {
        const Quantity& a = work.find(E::a, x / cos(alpha));
        work.find(E::b, x / sin(alpha));
        work.find(E::c, a / sin(alpha));
        return std::nullopt;
    }
    case E::a1: {
        const Quantity& a = work.find(E::a, x / sin(alpha));
        const Quantity& c = work.find(E::c, a / sin(alpha));
        work.find(E::b, c * cos(alpha));
        return std::nullopt;
    }
    case E::b1: {
        const Quantity& b = work.find(E::b, x / cos(alpha));
        const Quantity& c = work.find(E::c, b / cos(alpha));
        work.find(E::a, c * sin(alpha));
        return std::nullopt;
    }
    case E::S: {
        const Quantity& a = work.find(E::a, sqrt((two * x) * tg(alpha)));
        const Quantity& b = work.find(E::b, (two * x) / a);
        work.find(E::c, sqrt(a * a + b * b));
        return std::nullopt;
    }
    case E::P:
        work.find(E::c, x / ((one + sin(alpha)) + cos(alpha)));
        legsFromHypotenuseAndAngle(work);
        return std::nullopt;
    case E::r:
        // a + b − c = 2r with a = c·sin α and b = c·cos α.
        work.find(E::c, (two * x) / ((sin(alpha) + cos(alpha)) - one));
        legsFromHypotenuseAndAngle(work);
        return std::nullopt;
    case E::R:
        work.find(E::c, two * x);
        legsFromHypotenuseAndAngle(work);
        return std::nullopt;
    case E::a:
    case E::b:
    case E::alpha:
    case E::beta:
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
        break;
    }
    return notThisKind(work);
}

Outcome SolveProjectionPair(Work& work, Element other)
{
    const Quantity a1 = work[E::a1];
    const Quantity x = work[other];
    switch (other) {
    case E::b1:
        work.find(E::c, a1 + x);
        work.find(E::h, sqrt(a1 * x));
        legsFromProjections(work);
        return std::nullopt;
    case E::c:
        if (!(a1 < x))
            return work.refuse(ElementBound::ProjectionBelowHypotenuse, E::a1, x.number());
        work.find(E::b1, x - a1);
        legsFromProjections(work);
        return std::nullopt;
    case E::h: {
        const Quantity& b1 = work.find(E::b1, (x * x) / a1);
        work.find(E::c, a1 + b1);
        legsFromProjections(work);
        return std::nullopt;
    }
    case E::R: {
        if (!(a1.number() < 2.0 * x.number()))
            return work.refuse(ElementBound::ProjectionBelowDiameter, E::a1, 2.0 * x.number());
        const Quantity& c = work.find(E::c, two * x);
        work.find(E::b1, c - a1);
        legsFromProjections(work);
        return std::nullopt;
    }
    case E::S:
    case E::P:
    case E::r:
        return SolveProjectionNumerically(work, other);
    case E::a:
    case E::b:
    case E::alpha:
    case E::beta:
    case E::a1:
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
        break;
    }
    return notThisKind(work);
}

} // namespace triangle::elements
