#pragma once

// Formulas of angles in degrees: the angle of a tangent, and the sine, cosine and tangent of
// an angle, with their exact values at the special angles.

#include "solver/exact/special_angles.h"
#include "solver/formula/formula.h"

#include <cmath>
#include <numbers>

namespace triangle::formula {

// The angle whose tangent is y / x, in degrees, by atan2, which finds it without forming
// the quotient; written arctg(y / x), and in the steps as a textbook does, from its tangent
// (Step::fromTangent).
template <Term Y, Term X> class ArcTangentDegrees {
public:
    static constexpr Binding binding = Binding::Primary;

    ArcTangentDegrees(const Y& y, const X& x)
        : m_y(y), m_x(x),
          m_value(std::atan2(y.value().value(), x.value().value()) * (180.0 / std::numbers::pi))
    {}
    Checked value() const { return m_value; }
    // One of the special angles where the ratio is exactly its tangent.
    ExactNumber exact(const Steps& steps) const
    {
        return DegreesOf(Ratio::Tangent, m_y.exact(steps) / m_x.exact(steps));
    }
    // y / x, the tangent, for the steps only.
    Operation<Over, Y, X> tangent() const { return {m_y, m_x}; }
    void write(Writer& out) const
    {
        out.text += "arctg(";
        Operation<Over, Y, X>::writeParts(m_y, m_x, out);
        out.text += ')';
    }

private:
    Y m_y;
    X m_x;
    Checked m_value;
};

// sin x, cos x and tg x of an angle x in degrees, written "sin α", "sin 30,000°".
struct SineOf {
    static ExactNumber exact(const ExactNumber& degrees) { return ExactSine(degrees); }
    static constexpr const char* name = "sin ";
    static double apply(double radians) { return std::sin(radians); }
};
struct CosineOf {
    static ExactNumber exact(const ExactNumber& degrees) { return ExactCosine(degrees); }
    static constexpr const char* name = "cos ";
    static double apply(double radians) { return std::cos(radians); }
};
struct TangentOf {
    static ExactNumber exact(const ExactNumber& degrees) { return ExactTangent(degrees); }
    static constexpr const char* name = "tg ";
    static double apply(double radians) { return std::tan(radians); }
};

template <typename Fn, Term X> class Trigonometric {
public:
    static constexpr Binding binding = Binding::Primary;

    explicit Trigonometric(const X& x)
        : m_x(x), m_value(Fn::apply(x.value().value() * (std::numbers::pi / 180.0)))
    {}
    Checked value() const { return m_value; }
    ExactNumber exact(const Steps& steps) const { return Fn::exact(m_x.exact(steps)); }
    void write(Writer& out) const
    {
        out.text += Fn::name;
        writeBracketed(m_x, out, X::binding != Binding::Primary, Place::Product);
    }

private:
    X m_x;
    Checked m_value;
};

template <Term X> Trigonometric<SineOf, X> sin(const X& x)
{
    return Trigonometric<SineOf, X>(x);
}
template <Term X> Trigonometric<CosineOf, X> cos(const X& x)
{
    return Trigonometric<CosineOf, X>(x);
}
template <Term X> Trigonometric<TangentOf, X> tg(const X& x)
{
    return Trigonometric<TangentOf, X>(x);
}

} // namespace triangle::formula
