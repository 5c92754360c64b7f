#include "solver/exact/special_angles.h"

#include <array>

namespace triangle {

namespace {

struct SpecialAngle {
    ExactNumber degrees;
    ExactNumber sine;
    ExactNumber cosine;
    ExactNumber tangent;
};

const std::array<SpecialAngle, 7>& specialAngles()
{
    static const std::array<SpecialAngle, 7> angles = [] {
        auto integer = [](int n) { return ExactNumber::integer(n); };
        const ExactNumber one = integer(1);
        const ExactNumber two = integer(2);
        const ExactNumber three = integer(3);
        const ExactNumber rootOf2 = sqrt(two);
        const ExactNumber rootOf3 = sqrt(three);
        const ExactNumber rootOf6 = sqrt(integer(6));
        // sin(45° ∓ 30°) = sin 45° cos 30° ∓ cos 45° sin 30°.
        const ExactNumber sine15 = (rootOf6 - rootOf2) / integer(4);
        const ExactNumber sine75 = (rootOf6 + rootOf2) / integer(4);
        const ExactNumber none;
        return std::array<SpecialAngle, 7>{{
            {integer(15), sine15, sine75, two - rootOf3},
            {integer(45) / two, none, none, rootOf2 - one},
            {integer(30), one / two, rootOf3 / two, rootOf3 / three},
            {integer(45), rootOf2 / two, rootOf2 / two, one},
            {integer(60), rootOf3 / two, one / two, rootOf3},
            {integer(135) / two, none, none, rootOf2 + one},
            {integer(75), sine75, sine15, two + rootOf3},
        }};
    }();
    return angles;
}

ExactNumber lookUp(ExactNumber SpecialAngle::*known, ExactNumber SpecialAngle::*wanted,
                   const ExactNumber& value)
{
    for (const SpecialAngle& angle : specialAngles()) {
        if (ExactlyEquals(angle.*known, value))
            return angle.*wanted;
    }
    return {};
}

} // namespace

ExactNumber ExactSine(const ExactNumber& degrees)
{
    return lookUp(&SpecialAngle::degrees, &SpecialAngle::sine, degrees);
}

ExactNumber ExactCosine(const ExactNumber& degrees)
{
    return lookUp(&SpecialAngle::degrees, &SpecialAngle::cosine, degrees);
}

ExactNumber ExactTangent(const ExactNumber& degrees)
{
    return lookUp(&SpecialAngle::degrees, &SpecialAngle::tangent, degrees);
}

ExactNumber DegreesOf(Ratio ratio, const ExactNumber& value)
{
    ExactNumber SpecialAngle::*const ratios[] = {&SpecialAngle::sine, &SpecialAngle::cosine,
                                                 &SpecialAngle::tangent};
    return lookUp(ratios[static_cast<std::size_t>(ratio)], &SpecialAngle::degrees, value);
}

} // namespace triangle
