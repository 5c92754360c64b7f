#include "solver/variant/variant_solver.h"

#include "solver/formula/checked_double.h"
#include "solver/formula/formula.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>

namespace triangle {

namespace {

using formula::eight;
using formula::four;
using formula::noteIsoscelesWithinTyping;
using formula::Quantity;
using formula::sqrtTwo;
using formula::step;
using formula::two;

constexpr Checked zero{0.0};

// 1 + √2 and (3 − 2√2)/4 to the nearest double; the latter computed in doubles would lose a
// digit to cancellation.
constexpr double onePlusSqrtTwo = 2.4142135623730950488016887242097;
constexpr double largestAreaShare = 0.042893218813452475599155637895151;

// Half of the last decimal the program writes: the most by which a value typed back from
// a shown one can differ from the value behind it.
constexpr double halfThousandth = 0.0005;

// Whether a given value above its bound comes within it by typing: whether the value less
// half a thousandth is at most `bound`, the bound worked out at the other given value plus
// half a thousandth (each bound grows with that value). It runs as value ≤ (bound + δ)
// times a slack, all terms on the right positive, so that each rounding there (the
// constants' and δ's own included, each within half a unit in the last place, u = 2⁻⁵³)
// moves the right side by at most u of itself: with the bounds below, at most 9u in all, the
// slack's own product included. Reading the typed decimals into doubles moves the sides by
// u, and through a square by 2u more. The slack of 16u covers those 12u: a pair whose
// typed decimals meet the rule exactly is never refused, and the rule is widened by no more
// than 16u of the value, far below the last decimal shown.
bool withinTyping(double given, double bound)
{
    constexpr double slack = 1.0 + 0x1p-49;
    return given <= (bound + halfThousandth) * slack;
}

// A bound for the window to show; one beyond the range of a double is left out.
std::optional<double> shownBound(double bound)
{
    return std::isfinite(bound) ? std::optional<double>(bound) : std::nullopt;
}

// The given values of variant k as read, and how a refusal of them is made.
class Givens {
public:
    Givens(std::int16_t k, Checked first, Checked second) : m_k(k), m_first(first), m_second(second)
    {}

    Refusal refuse(RefusalReason reason, std::int16_t column,
                   std::optional<double> bound = std::nullopt) const
    {
        Refusal refusal;
        refusal.reason = reason;
        refusal.variant = m_k;
        refusal.column = column;
        refusal.first = m_first.value();
        refusal.second = m_second.value();
        refusal.bound = bound;
        return refusal;
    }
    // Refuses a given quantity that is zero or negative; the first-listed is named first.
    std::optional<Refusal> notPositive() const
    {
        const GivenColumns columns = GivenColumnsOf(m_k);
        if (!(m_first > zero))
            return refuse(RefusalReason::NotPositive, columns.first, 0.0);
        if (!(m_second > zero))
            return refuse(RefusalReason::NotPositive, columns.second, 0.0);
        return std::nullopt;
    }

private:
    std::int16_t m_k;
    Checked m_first;
    Checked m_second;
};

RowFields row(const Quantity& a, const Quantity& c, const Quantity& P, const Quantity& S,
              const Quantity& b)
{
    return {a.number(), c.number(), P.number(), S.number(), b.number()};
}

// Each variant below, given two positive values, evaluates its formulas in exactly this
// order and grouping, which decides the last bits of the results. Each formula is a step:
// with steps to keep, it also writes itself out as the program evaluated it.
//
// Where a root meets the isosceles triangle, its radicand comes out slightly negative for
// values typed from a shown isosceles triangle. Below zero by no more than rounding in the
// formulas, its root is taken as zero and the formulas go on. Further below, the values
// belong to the isosceles triangle when some change of each given value by at most half a
// thousandth puts them on or inside the bound the radicand stands for, and the row is that
// triangle with the given hypotenuse or perimeter: the formulas that go on from a zero root
// would give it only where the radicand is exactly zero, and for small triangles would give
// legs that are no right triangle's. Beyond that there is no right triangle.

// The isosceles right triangle with hypotenuse c: both legs c/√2, and of the perimeter and
// the area the one not given.
RowFields isoscelesWithHypotenuse(const Quantity& c, const std::optional<Quantity>& givenP,
                                  const std::optional<Quantity>& givenS, Steps* steps,
                                  const LegNames& legs)
{
    const Quantity a = step(steps, legs.a, c / sqrtTwo);
    const Quantity b = step(steps, legs.b, a);
    const Quantity P = givenP ? *givenP : step(steps, "P", (a + b) + c);
    const Quantity S = givenS ? *givenS : step(steps, "S", (a * b) / two);
    return row(a, c, P, S, b);
}

// The isosceles right triangle with perimeter P: both legs P/(2 + √2).
RowFields isoscelesWithPerimeter(const Quantity& P, const Quantity& S, Steps* steps,
                                 const LegNames& legs)
{
    const Quantity a = step(steps, legs.a, P / (two + sqrtTwo));
    const Quantity b = step(steps, legs.b, a);
    const Quantity c = step(steps, "c", P - (a + b));
    return row(a, c, P, S, b);
}

Solution legAndHypotenuse(const Givens& givens, Quantity a, Quantity c, Steps* steps,
                          const LegNames& legs)
{
    if (!(a < c))
        return givens.refuse(RefusalReason::LegNotShorterThanHypotenuse, column::a, c.number());
    const Quantity b = step(steps, legs.b, sqrt(c * c - a * a));
    const Quantity P = step(steps, "P", (a + b) + c);
    const Quantity S = step(steps, "S", (a * b) / two);
    return row(a, c, P, S, b);
}

Solution legAndArea(Quantity a, Quantity S, Steps* steps, const LegNames& legs)
{
    const Quantity b = step(steps, legs.b, (two * S) / a);
    const Quantity c = step(steps, "c", sqrt(a * a + b * b));
    const Quantity P = step(steps, "P", (a + b) + c);
    return row(a, c, P, S, b);
}

Solution hypotenuseAndArea(const Givens& givens, Quantity c, Quantity S, Steps* steps,
                           const LegNames& legs)
{
    auto tooLarge = [&] {
        return givens.refuse(RefusalReason::AreaTooLargeForHypotenuse, column::S,
                             shownBound(c.number() * c.number() / 4.0));
    };
    const Quantity s = step(steps, "s", sqrt(c * c + four * S), StepNote::SumOfLegs);
    const auto difference = sqrtOfDifference(s * s, eight * S);
    if (!difference) {
        // s·s − 8·S is c² − 4·S exactly: S − δ ≤ (c + δ)²/4.
        const double longer = c.number() + halfThousandth;
        if (!withinTyping(S.number(), longer * longer / 4.0))
            return tooLarge();
        noteIsoscelesWithinTyping(steps, s * s, eight * S);
        return isoscelesWithHypotenuse(c, std::nullopt, S, steps, legs);
    }
    const Quantity t =
        step(steps, "t", *difference, legs.difference(StepNote::LegsDifferenceAMinusB));
    const Quantity a = step(steps, legs.a, (s + t) / two); // the longer leg
    // c·c − a·a is the shorter leg's square b², which meets zero only as b does; there its
    // partial derivatives, 2b²·c/(a² − b²) and 4a·b/(a² − b²) in size, vanish, and
    // only rounding can take it below zero. Further below, the area would be what is wrong.
    const auto shorter = sqrtOfDifference(c * c, a * a);
    if (!shorter)
        return tooLarge();
    const Quantity b = step(steps, legs.b, *shorter);
    const Quantity P = step(steps, "P", (a + b) + c);
    return row(a, c, P, S, b);
}

Solution hypotenuseAndPerimeter(const Givens& givens, Quantity c, Quantity P, Steps* steps,
                                const LegNames& legs)
{
    // P > 2c keeps the inscribed radius, and so the area and the legs, positive. The
    // comparison is on plain doubles: a bound that would overflow simply fails it.
    if (!(P.number() > 2.0 * c.number()))
        return givens.refuse(RefusalReason::PerimeterTooShortForHypotenuse, column::P,
                             shownBound(2.0 * c.number()));
    const Quantity r = step(steps, "r", (P - two * c) / two); // radius of the inscribed circle
    const Quantity S = step(steps, "S", (P * r) / two);
    const auto difference = sqrtOfDifference((P - c) * (P - c), eight * S);
    if (!difference) {
        // (P − c)² − 8·S is 2c² − (P − c)² exactly: P − δ ≤ (1 + √2)·(c + δ).
        if (!withinTyping(P.number(), onePlusSqrtTwo * (c.number() + halfThousandth)))
            return givens.refuse(RefusalReason::PerimeterTooLongForHypotenuse, column::P,
                                 shownBound((1.0 + std::numbers::sqrt2) * c.number()));
        noteIsoscelesWithinTyping(steps, (P - c) * (P - c), eight * S);
        return isoscelesWithHypotenuse(c, P, std::nullopt, steps, legs);
    }
    const Quantity t =
        step(steps, "t", *difference, legs.difference(StepNote::LegsDifferenceBMinusA));
    const Quantity b = step(steps, legs.b, ((P - c) + t) / two); // the longer leg
    const Quantity a = step(steps, legs.a, (two * S) / b);       // the shorter leg
    return row(a, c, P, S, b);
}

Solution perimeterAndArea(const Givens& givens, Quantity P, Quantity S, Steps* steps,
                          const LegNames& legs)
{
    auto tooLarge = [&] {
        constexpr double share = (3.0 - 2.0 * std::numbers::sqrt2) / 4.0;
        return givens.refuse(RefusalReason::AreaTooLargeForPerimeter, column::S,
                             shownBound(share * P.number() * P.number()));
    };
    const Quantity s = step(steps, "s", (P * P + four * S) / (two * P), StepNote::SumOfLegs);
    const auto difference = sqrtOfDifference(s * s, eight * S);
    if (!difference) {
        // s·s − 8·S is P²/4 − 6S + 4S²/P² exactly, negative for S between the largest area
        // of a right triangle with perimeter P, (3 − 2√2)/4·P², and (3 + 2√2)/4·P²:
        // S − δ ≤ (3 − 2√2)/4·(P + δ)².
        const double longer = P.number() + halfThousandth;
        if (!withinTyping(S.number(), largestAreaShare * (longer * longer)))
            return tooLarge();
        noteIsoscelesWithinTyping(steps, s * s, eight * S);
        return isoscelesWithPerimeter(P, S, steps, legs);
    }
    const Quantity t =
        step(steps, "t", *difference, legs.difference(StepNote::LegsDifferenceBMinusA));
    const Quantity b = step(steps, legs.b, (s + t) / two); // the longer leg
    const Quantity a = step(steps, legs.a, (two * S) / b); // the shorter leg
    const Quantity c = step(steps, "c", P - (a + b));
    // An area of more than P²/4 still gives real legs, but their sum exceeds the perimeter:
    // no right triangle has these values either.
    if (!(c.number() > 0.0))
        return tooLarge();
    return row(a, c, P, S, b);
}

Solution legAndPerimeter(const Givens& givens, Quantity a, Quantity P, Steps* steps,
                         const LegNames& legs)
{
    if (!(P.number() > 2.0 * a.number()))
        return givens.refuse(RefusalReason::PerimeterTooShortForLeg, column::P,
                             shownBound(2.0 * a.number()));
    const Quantity b = step(steps, legs.b, (P * P - (two * P) * a) / (two * P - two * a));
    const Quantity c = step(steps, "c", (P - a) - b);
    const Quantity S = step(steps, "S", (a * b) / two);
    return row(a, c, P, S, b);
}

Refusal textRefusal(std::int16_t k, std::int16_t column, FieldTextProblem problem)
{
    Refusal refusal;
    refusal.variant = k;
    refusal.column = column;
    refusal.textProblem = problem;
    return refusal;
}

} // namespace

bool LegNames::swapped() const
{
    return std::string_view(a) == "b";
}

StepNote LegNames::difference(StepNote note) const
{
    if (!swapped())
        return note;
    if (note == StepNote::LegsDifferenceAMinusB)
        return StepNote::LegsDifferenceBMinusA;
    if (note == StepNote::LegsDifferenceBMinusA)
        return StepNote::LegsDifferenceAMinusB;
    return note;
}

GivenColumns GivenColumnsOf(std::int16_t k)
{
    using namespace column;
    static constexpr GivenColumns columns[VariantCount] = {{a, c}, {a, S}, {c, S},
                                                           {c, P}, {P, S}, {a, P}};
    return k >= 0 && k < VariantCount ? columns[k] : columns[0];
}

Solution Solve(std::int16_t k, std::string_view first, std::string_view second,
               const NumberFormat& region)
{
    if (k < 0 || k >= VariantCount)
        k = 0;
    const GivenColumns columns = GivenColumnsOf(k);
    const auto x = ReadFieldNumberStrictly(first, region);
    if (!x.ok())
        return textRefusal(k, columns.first, x.fault());
    const auto y = ReadFieldNumberStrictly(second, region);
    if (!y.ok()) {
        Refusal refusal = textRefusal(k, columns.second, y.fault());
        refusal.first = x.value();
        return refusal;
    }
    return SolveValues(k, x.value(), y.value(), nullptr);
}

Solution SolveValues(std::int16_t k, double first, double second, Steps* steps)
{
    return SolveValues(k, first, second, steps, LegNames{});
}

Solution SolveValues(std::int16_t k, double first, double second, Steps* steps,
                     const LegNames& legs)
{
    if (k < 0 || k >= VariantCount)
        k = 0;
    const GivenColumns columns = GivenColumnsOf(k);
    const Givens givens(k, Checked(first), Checked(second));
    const char* const names[ColumnCount] = {legs.a, "c", "P", "S"};
    const Quantity x(names[columns.first], Checked(first));
    const Quantity y(names[columns.second], Checked(second));
    if (steps) {
        steps->given(x.name(), first);
        steps->given(y.name(), second);
    }
    if (auto refused = givens.notPositive())
        return *refused;
    try {
        switch (static_cast<Variant>(k)) {
        case Variant::LegAndHypotenuse:
            return legAndHypotenuse(givens, x, y, steps, legs);
        case Variant::LegAndArea:
            return legAndArea(x, y, steps, legs);
        case Variant::HypotenuseAndArea:
            return hypotenuseAndArea(givens, x, y, steps, legs);
        case Variant::HypotenuseAndPerimeter:
            return hypotenuseAndPerimeter(givens, x, y, steps, legs);
        case Variant::PerimeterAndArea:
            return perimeterAndArea(givens, x, y, steps, legs);
        case Variant::LegAndPerimeter:
            return legAndPerimeter(givens, x, y, steps, legs);
        }
    } catch (const CalculationStopped& stop) {
        const RefusalReason reason = stop.fault == CalculationFault::Overflow
                                         ? RefusalReason::ResultBeyondRange
                                         : RefusalReason::NoTriangle;
        return givens.refuse(reason, columns.first);
    }
    // k is one of the variants, brought into range above.
    return givens.refuse(RefusalReason::NoTriangle, columns.first);
}

} // namespace triangle
