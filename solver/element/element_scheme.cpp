#include "solver/element/element_scheme.h"

#include "solver/exact/exact_number.h"

#include "solver/element/cevians.h"
#include "solver/element/element_pairs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace triangle::elements {

namespace {

using E = Element;

// The equation is sampled at this many points for its changes of sign; between them, where
// |equation| is least without a change of sign, two close roots are looked for.
constexpr int samples = 256;

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

// Where the equation turns nearest to zero between low and high, by golden sections: its
// least value where `sign` is 1 (the samples there positive), its greatest where −1.
double turningPoint(const Equation& equation, double low, double high, double sign)
{
    constexpr double golden = 0.6180339887498949;
    for (int i = 0; i < 200 && high - low > 1e-15 * high; ++i) {
        const double x = high - golden * (high - low);
        const double y = low + golden * (high - low);
        if (sign * equation.at(x) < sign * equation.at(y))
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

// The roots of the equation in (0°; 90°), or in (0°; 45°] where both facts are their own
// mirror images, ascending: where it changes sign between two samples; two, where it crosses
// zero and back between two samples around its least |equation| (a pair of close roots);
// and before the first sample and after the last (0,35°), down to a 64th of their distance
// from the end, the roots of the most slender triangles, to about 1 : 10 000.
std::vector<double> signChanges(const Equation& equation, bool symmetric)
{
    std::vector<double> roots;
    const double end = symmetric ? 45.0 : 90.0;
    const auto sampleAt = [&](int i) { return end * i / samples; };
    const int last = symmetric ? samples : samples - 1;
    const auto differ = [](double x, double y) {
        return x != 0.0 && y != 0.0 && (x < 0.0) != (y < 0.0);
    };
    std::array<double, samples + 1> values{};
    for (int i = 1; i <= last; ++i)
        values[static_cast<std::size_t>(i)] = equation.at(sampleAt(i));
    const auto valueAt = [&](int i) { return values[static_cast<std::size_t>(i)]; };
    const double first = sampleAt(1) / 64.0;
    if (differ(equation.at(first), valueAt(1)))
        roots.push_back(bisect(equation, first, sampleAt(1)));
    if (valueAt(1) == 0.0)
        roots.push_back(sampleAt(1));
    for (int i = 2; i <= last; ++i) {
        const double value = valueAt(i);
        const double previous = valueAt(i - 1);
        if (value == 0.0) {
            roots.push_back(sampleAt(i));
        } else if (differ(previous, value)) {
            roots.push_back(bisect(equation, sampleAt(i - 1), sampleAt(i)));
        } else if (i < last && previous != 0.0 && !differ(value, valueAt(i + 1)) &&
                   valueAt(i + 1) != 0.0 && std::fabs(value) < std::fabs(previous) &&
                   std::fabs(value) <= std::fabs(valueAt(i + 1))) {
            const double at =
                turningPoint(equation, sampleAt(i - 1), sampleAt(i + 1), value > 0.0 ? 1.0 : -1.0);
            const double there = equation.at(at);
            if (there == 0.0) {
                roots.push_back(at);
            } else if (differ(there, value)) {
                roots.push_back(bisect(equation, sampleAt(i - 1), at));
                roots.push_back(bisect(equation, at, sampleAt(i + 1)));
            }
        }
    }
    if (!symmetric) {
        const double beforeEnd = end - (end - sampleAt(last)) / 64.0;
        if (differ(valueAt(last), equation.at(beforeEnd)))
            roots.push_back(bisect(equation, sampleAt(last), beforeEnd));
    }
    return roots;
}

// The d-th root of a fact of degree d: a length per unit of scale.
double perScale(double x, int d)
{
    return d == 2 ? std::sqrt(x) : x;
}

// The limited fact per unit of the given one, of the shape α.
double scaleFree(const SchemeFact& given, const SchemeFact& limited, double alpha)
{
    return perScale(UnitFact(limited, alpha), DegreeOf(limited)) /
           perScale(UnitFact(given, alpha), DegreeOf(given));
}

// The limit of the scale-free quantity as α tends to `end` (0° or 90°) from the side
// `inward` (+1 or −1), by two points near it and the error of the nearer taken as a tenth of
// their difference; unset where it grows without end or falls to 0.
std::optional<double> limitAt(const SchemeFact& given, const SchemeFact& limited, double end,
                              double inward)
{
    const double near = scaleFree(given, limited, end + inward * 1e-5);
    const double nearer = scaleFree(given, limited, end + inward * 1e-6);
    if (!(near > 0.0 && nearer > 0.0 && std::isfinite(near) && std::isfinite(nearer)))
        return std::nullopt;
    if (std::fabs(near - nearer) > 1e-3 * nearer)
        return std::nullopt;
    return nearer - (near - nearer) / 9.0;
}

// The extremum of the scale-free quantity between low and high by golden sections: its
// least value where `sign` is 1, its greatest where −1.
double extremeShape(const SchemeFact& given, const SchemeFact& limited, double low, double high,
                    double sign)
{
    constexpr double golden = 0.6180339887498949;
    for (int i = 0; i < 200 && high - low > 1e-13 * high; ++i) {
        const double x = high - golden * (high - low);
        const double y = low + golden * (high - low);
        if (sign * scaleFree(given, limited, x) < sign * scaleFree(given, limited, y))
            high = y;
        else
            low = x;
    }
    return (low + high) / 2.0;
}

// Values that only a flat triangle would have, but a real one has within their typing (legs 1
// and 20: l_b = 1,380 with r = 0,488, whose ratio is a hair past its flat limit 2√2). The
// second fact's value tends to a limit as α tends to the flat `end`, in proportion to the
// first's scale; the first is moved within its typing, half a thousandth at most, as far as
// brings that limit to the second's value where it must, and the second is read as the middle
// between the limit and the far end of its typing, on the side real triangles are. None where the
// limit stays beyond the second's typing. Two values that are exactly what they say (integers
// and decimals of at most two decimals: c = 10 with m_a = 5) have no typing to move within:
// their flat limit stays strict, as every flat bound is.
std::vector<double> nearFlatEnd(const Equation& equation, bool symmetric, double end)
{
    const SchemeFact& first = equation.first;
    const SchemeFact& second = equation.second;
    const int d1 = DegreeOf(first);
    const int d2 = DegreeOf(second);
    if (d1 == 0 || d2 == 0)
        return {};
    if (TypedExactly(first.value).exists() && TypedExactly(second.value).exists())
        return {};
    const double inward = end == 0.0 ? 1.0 : -1.0;
    const auto limit = limitAt(first, second, end, inward);
    if (!limit)
        return {};
    // Where the limit is beyond the second's typing, the first's value whose limit is the
    // second's value, within the first's typing.
    Equation read = equation;
    const double unmoved = perScale(first.value, d1) * *limit;
    if (!(std::fabs((d2 == 2 ? unmoved * unmoved : unmoved) - second.value) <= halfThousandth)) {
        const double scale = perScale(second.value, d2) / *limit;
        read.first.value = std::clamp(d1 == 2 ? scale * scale : scale, first.value - halfThousandth,
                                      first.value + halfThousandth);
    }
    const auto inValues = [&](double q) {
        const double root = q * perScale(read.first.value, d1);
        return d2 == 2 ? root * root : root;
    };
    const double flat = inValues(*limit);
    if (!(std::fabs(flat - second.value) <= halfThousandth))
        return {};
    // The side of the limit real triangles are on: that of a shape a degree in from the end.
    const double real = inValues(scaleFree(first, second, end + inward));
    const double side = real > flat ? halfThousandth : -halfThousandth;
    read.second.value = (flat + second.value + side) / 2.0;
    return signChanges(read, symmetric);
}

} // namespace

SchemeRange ScaleFreeRange(const SchemeFact& given, const SchemeFact& limited)
{
    constexpr int points = 256;
    const bool symmetric = IsSymmetric(given) && IsSymmetric(limited);
    const double end = symmetric ? 45.0 : 90.0;
    const int last = symmetric ? points : points - 1;
    int least = 1;
    int most = 1;
    std::vector<double> values(static_cast<std::size_t>(last) + 1);
    for (int i = 1; i <= last; ++i) {
        values[static_cast<std::size_t>(i)] = scaleFree(given, limited, end * i / points);
        if (values[static_cast<std::size_t>(i)] < values[static_cast<std::size_t>(least)])
            least = i;
        if (values[static_cast<std::size_t>(i)] > values[static_cast<std::size_t>(most)])
            most = i;
    }
    const double scale = perScale(given.value, DegreeOf(given));
    const auto inValues = [&](double q) {
        const double root = q * scale;
        return DegreeOf(limited) == 2 ? root * root : root;
    };
    // An end at index 1 or at the last point is the flat limit, or 45° itself.
    const auto endOf = [&](int index, double sign) {
        SchemeEnd found;
        if (index == 1) {
            if (auto limit = limitAt(given, limited, 0.0, 1.0))
                found.value = inValues(*limit);
        } else if (index == last && symmetric) {
            found = {inValues(scaleFree(given, limited, 45.0)), true, 45.0};
        } else if (index == last) {
            if (auto limit = limitAt(given, limited, 90.0, -1.0))
                found.value = inValues(*limit);
        } else {
            const double at = extremeShape(given, limited, end * (index - 1) / points,
                                           end * (index + 1) / points, sign);
            found = {inValues(scaleFree(given, limited, at)), true, at};
        }
        return found;
    };
    return {endOf(least, 1.0), endOf(most, -1.0)};
}

std::vector<double> SchemeRoots(const SchemeFact& first, const SchemeFact& second)
{
    if (DegreeOf(first) == 0 && DegreeOf(second) == 0)
        return {};
    const Equation equation{first, second};
    const bool symmetric = IsSymmetric(first) && IsSymmetric(second);
    std::vector<double> roots = signChanges(equation, symmetric);
    if (!roots.empty())
        return roots;
    const double end = symmetric ? 45.0 : 90.0;
    const auto sampleAt = [&](int i) { return end * i / samples; };
    const int last = symmetric ? samples : samples - 1;
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
    else if (bestAt == 1)
        return nearFlatEnd(equation, symmetric, 0.0);
    else
        return nearFlatEnd(equation, symmetric, 90.0);
    if (withinTyping(equation, best))
        roots.push_back(best);
    return roots;
}

} // namespace triangle::elements
