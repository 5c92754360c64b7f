#pragma once

#include "solver/formula/calculation_fault.h"

#include <cmath>
#include <optional>

namespace triangle {

// Thrown by a Checked operation and caught where the calculation began; it never leaves
// the solver.
struct CalculationStopped {
    CalculationFault fault;
};

// A double whose every operation is checked: a zero divisor (also 0/0), the square root of
// a negative number and a result that becomes infinite stop the calculation. Formulas
// written with it keep their order and grouping exactly, each operation rounded once.
class Checked {
public:
    constexpr explicit Checked(double value) : m_value(value) {}
    double value() const { return m_value; }

    friend Checked operator+(Checked x, Checked y) { return finite(x.m_value + y.m_value); }
    friend Checked operator-(Checked x, Checked y) { return finite(x.m_value - y.m_value); }
    friend Checked operator*(Checked x, Checked y) { return finite(x.m_value * y.m_value); }
    friend Checked operator/(Checked x, Checked y)
    {
        if (y.m_value == 0.0)
            throw CalculationStopped{CalculationFault::DivisionByZero};
        return finite(x.m_value / y.m_value);
    }
    friend Checked sqrt(Checked x)
    {
        if (x.m_value < 0.0)
            throw CalculationStopped{CalculationFault::InvalidSquareRoot};
        return Checked(std::sqrt(x.m_value));
    }
    // The square root of x − y, where x ≥ 0 and y are results of rounded arithmetic, or
    // nothing when the difference is really negative. Where the exact difference is zero
    // (the two legs of an isosceles triangle), x and y can each be a few units in the last
    // place off, so a difference below zero by no more than 4·2⁻⁵²·x is rounding alone: its
    // root is 0.
    friend std::optional<Checked> sqrtOfDifference(Checked x, Checked y)
    {
        const Checked difference = x - y;
        if (difference.m_value < 0.0 && -difference.m_value <= roundingOf(x))
            return Checked(0.0);
        if (difference.m_value < 0.0)
            return std::nullopt;
        return Checked(std::sqrt(difference.m_value));
    }
    friend bool operator<(Checked x, Checked y) { return x.m_value < y.m_value; }
    friend bool operator>(Checked x, Checked y) { return x.m_value > y.m_value; }

private:
    static double roundingOf(Checked x) { return x.m_value * 0x1p-50; }
    static Checked finite(double result)
    {
        if (std::isinf(result))
            throw CalculationStopped{CalculationFault::Overflow};
        return Checked(result);
    }

    double m_value;
};

} // namespace triangle
