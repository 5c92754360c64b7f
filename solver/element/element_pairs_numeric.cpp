#include "solver/element/element_pairs.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace triangle::elements {

namespace {

using formula::two;
using E = Element;

// The known side of each equation in b₁ for a given a₁: the area, the perimeter or the
// inscribed radius of the triangle with projections a₁ and b₁. Each grows with b₁.
template <typename Visit>
auto equationOf(Element other, const Quantity& a1, const Quantity& b1, Visit visit)
{
    const auto c = a1 + b1;
    const auto a = sqrt(a1 * c);
    const auto b = sqrt(b1 * c);
    switch (other) {
    case E::S:
        return visit(((a1 + b1) * sqrt(a1 * b1)) / two);
    case E::P:
        return visit((a + b) + c);
    default: // r
        return visit((a * b) / ((a + b) + c));
    }
}

double sideAt(Element other, const Quantity& a1, double b1)
{
    try {
        return equationOf(other, a1, Quantity("b₁", Checked(b1)),
                          [](const auto& term) { return term.value().value(); });
    } catch (const CalculationStopped&) {
        return std::numeric_limits<double>::infinity();
    }
}

// The b₁ at which the side reaches `target`, by bisection over the doubles themselves (their
// bit patterns are in the order of their values), so that it ends with two neighbours
// around the root after at most 64 halvings; the nearer of them. Nothing where no double
// is large enough.
std::optional<double> rootOf(Element other, const Quantity& a1, double target)
{
    double low = 0.0;
    double high = a1.number();
    while (sideAt(other, a1, high) < target) {
        low = high;
        high *= 2.0;
        if (!std::isfinite(high))
            return std::nullopt;
    }
    for (;;) {
        const auto lowBits = std::bit_cast<std::uint64_t>(low);
        const auto highBits = std::bit_cast<std::uint64_t>(high);
        if (highBits - lowBits <= 1)
            break;
        const double middle = std::bit_cast<double>(lowBits + (highBits - lowBits) / 2);
        (sideAt(other, a1, middle) < target ? low : high) = middle;
    }
    const double lowMiss = target - sideAt(other, a1, low);
    const double highMiss = sideAt(other, a1, high) - target;
    return lowMiss < highMiss ? low : high;
}

} // namespace

Outcome SolveProjectionNumerically(Work& work, Element other)
{
    const Quantity a1 = work[E::a1];
    const Quantity x = work[other];
    if (other == E::P && !(x.number() > 2.0 * a1.number()))
        return work.refuse(ElementBound::PerimeterAboveTwiceProjection, E::P, 2.0 * a1.number());
    const std::optional<double> root = rootOf(other, a1, x.number());
    if (!root)
        return work.refuse(ElementRefusalReason::ResultBeyondRange);
    const Quantity& b1 = work.keep(E::b1, Quantity(work.name(E::b1), Checked(*root)));
    if (Steps* steps = work.steps()) {
        equationOf(other, a1, b1, [&](const auto& term) {
            formula::Writer names;
            term.write(names);
            names.text += " = ";
            x.write(names);
            formula::Writer values{&steps->region(), {}};
            term.write(values);
            values.text += " = ";
            x.write(values);
            steps->add({b1.name(), std::move(names.text), std::move(values.text), b1.number(), "",
                        StepNote::SolvedNumerically});
            return 0;
        });
    }
    const Quantity& c = work.find(E::c, a1 + b1);
    work.find(E::a, sqrt(a1 * c));
    work.find(E::b, sqrt(b1 * c));
    return std::nullopt;
}

} // namespace triangle::elements
