#include "solver/element/element_scheme.h"

#include "solver/element/cevians.h"
#include "solver/element/element_pairs.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace triangle::elements {

namespace {

using E = Element;

constexpr double degree = std::numbers::pi / 180.0;
// The equation is sampled at this many points for its changes of sign.
constexpr int samples = 2048;

// The equation f₁^(1/d₁)·v₂^(1/d₂) − f₂^(1/d₂)·v₁^(1/d₁) (no quotient, so that a difference
// that passes through zero keeps the equation continuous); a fact of the shape alone is the
// equation f − v by itself.
struct Equation {
    SchemeFact first;
    SchemeFact second;

    static double rootOf(double x, int d) { return d == 2 ? std::sqrt(x) : x; }

    double at(double alpha, double moveFirst = 0.0, double moveSecond = 0.0) const
    {
        const int d1 = DegreeOf(first);
        const int d2 = DegreeOf(second);
        const double v1 = first.value + moveFirst;
        const double v2 = second.value + moveSecond;
        if (d1 == 0)
            return UnitFact(first, alpha) - v1;
        if (d2 == 0)
            return UnitFact(second, alpha) - v2;
        return rootOf(UnitFact(first, alpha), d1) * rootOf(v2, d2) -
               rootOf(UnitFact(second, alpha), d2) * rootOf(v1, d1);
    }
};

// The root between low and high, where the equation changes sign, by bisection over the
// doubles' bit patterns (positive doubles are in the order of their values): the nearer of
// the two neighbours it ends with.
double bisect(const Equation& equation, double low, double high)
{
    const bool lowNegative = equation.at(low) < 0.0;
    for (;;) {
        const auto lowBits = std::bit_cast<std::uint64_t>(low);
        const auto highBits = std::bit_cast<std::uint64_t>(high);
        if (highBits - lowBits <= 1)
            break;
        const double middle = std::bit_cast<double>(lowBits + (highBits - lowBits) / 2);
        const double value = equation.at(middle);
        if (value == 0.0)
            return middle;
        ((value < 0.0) == lowNegative ? low : high) = middle;
    }
    return std::fabs(equation.at(low)) <= std::fabs(equation.at(high)) ? low : high;
}

// The extremum of |equation| near `middle`, between its neighbours, by golden sections.
double extremum(const Equation& equation, double low, double high)
{
    constexpr double golden = 0.6180339887498949;
    for (int i = 0; i < 200 && high - low > 1e-15 * high; ++i) {
        const double x = high - golden * (high - low);
        const double y = low + golden * (high - low);
        if (std::fabs(equation.at(x)) < std::fabs(equation.at(y)))
            high = y;
        else
            low = x;
    }
    return (low + high) / 2.0;
}

// Whether moving the given values by half a thousandth changes the sign of the equation at
// `alpha`: the facts reach it within their typing.
bool withinTyping(const Equation& equation, double alpha)
{
    const double here = equation.at(alpha);
    for (const double dx : {-halfThousandth, halfThousandth})
        for (const double dy : {-halfThousandth, halfThousandth}) {
            const double moved = equation.at(alpha, dx, dy);
            if (moved == 0.0 || (moved < 0.0) != (here < 0.0))
                return true;
        }
    return false;
}

} // namespace

int DegreeOf(Element element)
{
    if (IsAngle(element) || IsTrigonometric(element))
        return 0;
    return element == E::S ? 2 : 1;
}

int DegreeOf(const SchemeFact& fact)
{
    return fact.form == SchemeFact::Form::Ratio ? 0 : DegreeOf(fact.left);
}

double UnitElement(Element element, double alpha)
{
    const double a = std::sin(alpha * degree);
    const double b = std::cos(alpha * degree);
    switch (element) {
    case E::a:
        return a;
    case E::b:
        return b;
    case E::c:
        return 1.0;
    case E::alpha:
        return alpha;
    case E::beta:
        return 90.0 - alpha;
    case E::h:
        return a * b;
    case E::a1:
        return a * a;
    case E::b1:
        return b * b;
    case E::S:
        return a * b / 2.0;
    case E::P:
        return a + b + 1.0;
    case E::r:
        return a * b / (a + b + 1.0);
    case E::R:
        return 0.5;
    case E::sinAlpha:
    case E::cosBeta:
        return a;
    case E::cosAlpha:
    case E::sinBeta:
        return b;
    case E::tgAlpha:
    case E::cotgBeta:
        return a / b;
    case E::cotgAlpha:
    case E::tgBeta:
        return b / a;
    default:
        return CevianOf(a, b, 1.0, element);
    }
}

double UnitFact(const SchemeFact& fact, double alpha)
{
    const double left = UnitElement(fact.left, alpha);
    switch (fact.form) {
    case SchemeFact::Form::Value:
        return left;
    case SchemeFact::Form::Ratio:
        return left / UnitElement(fact.right, alpha);
    case SchemeFact::Form::Sum:
        return left + UnitElement(fact.right, alpha);
    case SchemeFact::Form::Difference:
        break;
    }
    return left - UnitElement(fact.right, alpha);
}

bool IsSymmetric(const SchemeFact& fact)
{
    const bool left = MirrorOf(fact.left) == fact.left;
    const bool right = MirrorOf(fact.right) == fact.right;
    switch (fact.form) {
    case SchemeFact::Form::Value:
        return left;
    case SchemeFact::Form::Sum:
        return (left && right) || MirrorOf(fact.left) == fact.right;
    case SchemeFact::Form::Ratio:
    case SchemeFact::Form::Difference:
        break;
    }
    return left && right;
}

std::vector<double> SchemeRoots(const SchemeFact& first, const SchemeFact& second)
{
    std::vector<double> roots;
    if (DegreeOf(first) == 0 && DegreeOf(second) == 0)
        return roots;
    const Equation equation{first, second};
    const bool symmetric = IsSymmetric(first) && IsSymmetric(second);
    const double end = symmetric ? 45.0 : 90.0;
    const auto sampleAt = [&](int i) { return end * i / samples; };
    const int last = symmetric ? samples : samples - 1;
    double previous = sampleAt(1);
    double previousValue = equation.at(previous);
    if (previousValue == 0.0)
        roots.push_back(previous);
    for (int i = 2; i <= last; ++i) {
        const double x = sampleAt(i);
        const double value = equation.at(x);
        if (value == 0.0)
            roots.push_back(x);
        else if (previousValue != 0.0 && (value < 0.0) != (previousValue < 0.0))
            roots.push_back(bisect(equation, previous, x));
        previous = x;
        previousValue = value;
    }
    if (!roots.empty())
        return roots;
    // No change of sign: where |equation| is least, within typing, the touching point.
    double best = sampleAt(1);
    int bestAt = 1;
    for (int i = 2; i <= last; ++i) {
        if (std::fabs(equation.at(sampleAt(i))) < std::fabs(equation.at(best))) {
            best = sampleAt(i);
            bestAt = i;
        }
    }
    if (symmetric && bestAt == last)
        best = 45.0;
    else if (bestAt > 1 && bestAt < last)
        best = extremum(equation, sampleAt(bestAt - 1), sampleAt(bestAt + 1));
    else
        return roots;
    if (withinTyping(equation, best))
        roots.push_back(best);
    return roots;
}

double HypotenuseFrom(const SchemeFact& fact, double alpha)
{
    const double unit = UnitFact(fact, alpha);
    const double ratio = fact.value / unit;
    return DegreeOf(fact) == 2 ? std::sqrt(ratio) : ratio;
}

} // namespace triangle::elements
