#include "solver/variant_solver.h"

#include "solver/checked_double.h"

namespace triangle {

namespace {

constexpr Checked zero{0.0};
constexpr Checked two{2.0};
constexpr Checked four{4.0};
constexpr Checked eight{8.0};

Checked read(std::string_view text, const NumberFormat& region)
{
    const Calculated<double> number = ReadFieldNumber(text, region);
    if (!number.ok())
        throw CalculationStopped{number.fault()};
    return Checked(number.value());
}

// The comparisons of a check work on plain doubles: a bound that would overflow, such as
// 2·c near the top of the range, simply fails the check.
bool exceedsTwice(Checked x, Checked y)
{
    return x.value() > 2.0 * y.value();
}

RowFields row(Checked a, Checked c, Checked P, Checked S, Checked b)
{
    return {a.value(), c.value(), P.value(), S.value(), b.value()};
}

RowFields legAndHypotenuse(Checked a, Checked c)
{
    if (!(a > zero && a < c))
        return {a.value(), c.value(), {}, {}};
    const Checked b = sqrt(c * c - a * a);
    const Checked P = (a + b) + c;
    const Checked S = (a * b) / two;
    return row(a, c, P, S, b);
}

RowFields legAndArea(Checked a, Checked S)
{
    if (!(a > zero && S > zero))
        return {a.value(), {}, {}, S.value()};
    const Checked b = (two * S) / a;
    const Checked c = sqrt(a * a + b * b);
    const Checked P = (a + b) + c;
    return row(a, c, P, S, b);
}

RowFields hypotenuseAndArea(Checked c, Checked S)
{
    if (!(c > zero && S > zero))
        return {{}, c.value(), {}, S.value()};
    const Checked s = sqrt(c * c + four * S);             // the sum of the legs
    const Checked t = sqrtOfDifference(s * s, eight * S); // their difference
    const Checked a = (s + t) / two;                      // the longer leg
    const Checked b = sqrtOfDifference(c * c, a * a);
    const Checked P = (a + b) + c;
    return row(a, c, P, S, b);
}

RowFields hypotenuseAndPerimeter(Checked c, Checked P)
{
    // P > 2c keeps the inscribed radius, and so the area and the legs, positive.
    if (!(c > zero && exceedsTwice(P, c)))
        return {{}, c.value(), P.value(), {}};
    const Checked r = (P - two * c) / two; // radius of the inscribed circle
    const Checked S = (P * r) / two;
    const Checked t = sqrtOfDifference((P - c) * (P - c), eight * S);
    const Checked b = ((P - c) + t) / two; // the longer leg
    const Checked a = (two * S) / b;       // the shorter leg
    return row(a, c, P, S, b);
}

RowFields perimeterAndArea(Checked P, Checked S)
{
    if (!(P > zero && S > zero))
        return {{}, {}, P.value(), S.value()};
    const Checked s = (P * P + four * S) / (two * P); // the sum of the legs
    const Checked t = sqrtOfDifference(s * s, eight * S);
    const Checked b = (s + t) / two; // the longer leg
    const Checked a = (two * S) / b; // the shorter leg
    const Checked c = P - (a + b);
    // An area of more than P²/4 still gives real legs, but their sum exceeds the perimeter:
    // no right triangle has these values, as when the square root above fails.
    if (!(c > zero))
        throw CalculationStopped{CalculationFault::InvalidSquareRoot};
    return row(a, c, P, S, b);
}

RowFields legAndPerimeter(Checked a, Checked P)
{
    if (!(a > zero && exceedsTwice(P, a)))
        return {a.value(), {}, P.value(), {}};
    const Checked b = (P * P - (two * P) * a) / (two * P - two * a);
    const Checked c = (P - a) - b;
    const Checked S = (a * b) / two;
    return row(a, c, P, S, b);
}

} // namespace

GivenColumns GivenColumnsOf(std::int16_t k)
{
    static constexpr GivenColumns columns[VariantCount] = {{0, 1}, {0, 3}, {1, 3},
                                                           {1, 2}, {2, 3}, {0, 2}};
    return k >= 0 && k < VariantCount ? columns[k] : columns[0];
}

Calculated<RowFields> Solve(std::int16_t k, std::string_view first, std::string_view second,
                            const NumberFormat& region)
{
    try {
        const Checked x = read(first, region);
        const Checked y = read(second, region);
        switch (k) {
        case 0:
            return legAndHypotenuse(x, y);
        case 1:
            return legAndArea(x, y);
        case 2:
            return hypotenuseAndArea(x, y);
        case 3:
            return hypotenuseAndPerimeter(x, y);
        case 4:
            return perimeterAndArea(x, y);
        case 5:
            return legAndPerimeter(x, y);
        default:
            return RowFields{}; // no such variant: nothing is computed
        }
    } catch (const CalculationStopped& stop) {
        return stop.fault;
    }
}

} // namespace triangle
