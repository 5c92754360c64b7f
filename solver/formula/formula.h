#pragma once

// Formulas that compute and can say what they computed. A term is made by the same checked
// operation a bare Checked expression would use, at the moment it is written, so that its
// value is the solver's value bit for bit; it also keeps its shape, to be written out as
// text with the quantities' names or with their values. The text of a step and its
// arithmetic therefore come from one place.

#include "solver/formula/checked_double.h"
#include "solver/formula/formula_writer.h"
#include "solver/formula/steps.h"
#include "solver/number/field_number.h"

#include <cmath>
#include <concepts>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace triangle {

namespace formula {

// A named quantity: a given value or the result of an earlier step.
class Quantity {
public:
    static constexpr Binding binding = Binding::Primary;

    // `unit` is written after the value: "°" for an angle in degrees.
    constexpr Quantity(const char* name, Checked value, const char* unit = "")
        : m_name(name), m_value(value), m_unit(unit)
    {}
    Checked value() const { return m_value; }
    double number() const { return m_value.value(); }
    const char* name() const { return m_name; }
    void write(Writer& out) const { out.number(m_name, m_value.value(), m_unit); }
    ExactNumber exact(const Steps& steps) const { return steps.exactOf(m_name); }

    friend bool operator<(const Quantity& x, const Quantity& y) { return x.m_value < y.m_value; }
    friend bool operator>(const Quantity& x, const Quantity& y) { return x.m_value > y.m_value; }

private:
    const char* m_name;
    Checked m_value;
    const char* m_unit;
};

// A constant of a formula: a small integer, exact as a double, or the root of one rounded
// once; written the same either way.
class Constant {
public:
    static constexpr Binding binding = Binding::Primary;

    // `radicand` above 1 where the value is its rounded root.
    constexpr Constant(double value, const char* text, std::int64_t radicand = 1)
        : m_value(value), m_text(text), m_radicand(radicand)
    {}
    Checked value() const { return m_value; }
    void write(Writer& out) const { out.text += m_text; }
    // The root where it stands for one, otherwise the small integer it is.
    ExactNumber exact(const Steps&) const
    {
        if (m_radicand != 1)
            return sqrt(ExactNumber::integer(m_radicand));
        return ExactNumber::fromDouble(m_value.value());
    }

private:
    Checked m_value;
    const char* m_text;
    std::int64_t m_radicand;
};

// The constants of the formulas.
inline constexpr Constant one{1.0, "1"};
inline constexpr Constant two{2.0, "2"};
inline constexpr Constant four{4.0, "4"};
inline constexpr Constant eight{8.0, "8"};
inline constexpr Constant sqrtTwo{std::numbers::sqrt2, "√2", 2};
inline constexpr Constant ninety{90.0, "90°"};

template <typename T>
concept Term = requires(const T& term, Writer& out, const Steps& steps)
{
    {
        term.value()
        } -> std::same_as<Checked>;
    term.write(out);
    {
        term.exact(steps)
        } -> std::same_as<ExactNumber>;
    T::binding;
};

template <Term T> void writeBracketed(const T& term, Writer& out, bool bracket, Place place)
{
    out.place = bracket ? Place::Alone : place;
    if (bracket)
        out.text += '(';
    term.write(out);
    if (bracket)
        out.text += ')';
}

template <Term T> std::string namesOf(const T& term)
{
    Writer out;
    term.write(out);
    return out.text;
}

struct Plus {
    static constexpr Binding binding = Binding::Sum;
    static constexpr const char* sign = " + ";
    static Checked apply(Checked x, Checked y) { return x + y; }
    static ExactNumber exact(const ExactNumber& x, const ExactNumber& y) { return x + y; }
};
struct Minus {
    static constexpr Binding binding = Binding::Sum;
    static constexpr const char* sign = " − ";
    static Checked apply(Checked x, Checked y) { return x - y; }
    static ExactNumber exact(const ExactNumber& x, const ExactNumber& y) { return x - y; }
};
struct Times {
    static constexpr Binding binding = Binding::Product;
    static constexpr const char* sign = "·";
    static Checked apply(Checked x, Checked y) { return x * y; }
    static ExactNumber exact(const ExactNumber& x, const ExactNumber& y) { return x * y; }
};
struct Over {
    static constexpr Binding binding = Binding::Product;
    static constexpr const char* sign = " / ";
    static Checked apply(Checked x, Checked y) { return x / y; }
    static ExactNumber exact(const ExactNumber& x, const ExactNumber& y) { return x / y; }
};

// x op y, evaluated left to right: the left operand is bracketed only when it binds more
// loosely, the right one whenever it does not bind more tightly, since (a + b) + c and
// a + (b + c) can differ in the last bit and the text must say which was computed.
template <typename Op, Term L, Term R> class Operation {
public:
    static constexpr Binding binding = Op::binding;

    Operation(const L& left, const R& right)
        : m_left(left), m_right(right), m_value(Op::apply(left.value(), right.value()))
    {}
    Checked value() const { return m_value; }
    ExactNumber exact(const Steps& steps) const
    {
        return Op::exact(m_left.exact(steps), m_right.exact(steps));
    }
    // x·x is written x², as on paper; a power binds more tightly than a product, so 2·c²
    // needs no brackets.
    bool isSquare() const
    {
        if constexpr (std::same_as<Op, Times> && std::same_as<L, R>)
            return namesOf(m_left) == namesOf(m_right);
        return false;
    }
    void write(Writer& out) const
    {
        if (isSquare()) {
            writeBracketed(m_left, out, L::binding != Binding::Primary, Place::Power);
            out.text += "²";
            return;
        }
        writeParts(m_left, m_right, out);
    }
    static void writeParts(const L& left, const R& right, Writer& out)
    {
        constexpr bool sum = binding == Binding::Sum;
        bool square = false;
        if constexpr (requires { right.isSquare(); })
            square = right.isSquare();
        writeBracketed(left, out, L::binding < binding, sum ? Place::Alone : Place::Product);
        out.text += Op::sign;
        writeBracketed(right, out, R::binding <= binding && !square,
                       sum                      ? Place::Sum
                       : std::same_as<Op, Over> ? Place::Divisor
                                                : Place::Product);
    }

private:
    L m_left;
    R m_right;
    Checked m_value;
};

template <Term L, Term R> Operation<Plus, L, R> operator+(const L& x, const R& y)
{
    return {x, y};
}
template <Term L, Term R> Operation<Minus, L, R> operator-(const L& x, const R& y)
{
    return {x, y};
}
template <Term L, Term R> Operation<Times, L, R> operator*(const L& x, const R& y)
{
    return {x, y};
}
template <Term L, Term R> Operation<Over, L, R> operator/(const L& x, const R& y)
{
    return {x, y};
}

// √(x), with the value the given checked root gave.
template <Term X> class Root {
public:
    static constexpr Binding binding = Binding::Primary;

    Root(const X& inner, Checked value) : m_inner(inner), m_value(value) {}
    Checked value() const { return m_value; }
    ExactNumber exact(const Steps& steps) const { return sqrt(m_inner.exact(steps)); }
    const X& inner() const { return m_inner; }
    void write(Writer& out) const
    {
        out.text += "√";
        writeBracketed(m_inner, out, true, Place::Alone);
    }

private:
    X m_inner;
    Checked m_value;
};

template <Term X> Root<X> sqrt(const X& x)
{
    return {x, sqrt(x.value())};
}

// √(x − y) by Checked's sqrtOfDifference, which takes a difference that only rounding
// made negative as zero; nothing where it is negative beyond that.
template <Term L, Term R>
std::optional<Root<Operation<Minus, L, R>>> sqrtOfDifference(const L& x, const R& y)
{
    const std::optional<Checked> root = sqrtOfDifference(x.value(), y.value());
    if (!root)
        return std::nullopt;
    return Root<Operation<Minus, L, R>>(Operation<Minus, L, R>(x, y), *root);
}

// The exact value of a term, and where it has one that can be written, the step's exact
// forms: the formula with the exact values put in, a root's radicand, the result.
template <Term T> ExactNumber writeExact(const T& term, Step& step, const Steps& steps)
{
    const ExactNumber value = term.exact(steps);
    step.exactValue = value;
    step.rounded = !FitsThreeDecimals(value);
    if (!steps.showsExact())
        return value;
    const std::optional<std::string> result = WriteExact(value, steps.region());
    if (!result)
        return value;
    Writer substituted{&steps.region(), {}, &steps};
    term.write(substituted);
    if (substituted.missing)
        return value;
    step.exactSubstituted = std::move(substituted.text);
    step.exactResult = *result;
    step.exactIsShort = FitsThreeDecimals(value);
    if constexpr (requires { term.inner(); }) {
        Writer radicand{&steps.region(), {}, &steps};
        radicand.place = Place::Power; // bracketed unless a plain number
        radicand.exactNumber(term.inner().exact(steps), "");
        if (!radicand.missing)
            step.exactRadicand = "√" + radicand.text;
    }
    return value;
}

// The tangent an angle was found from, for the step's textbook form.
template <Term T> void writeTangent(const T& tangent, Step& step, const Steps& steps)
{
    step.fromTangent = true;
    step.tangentFormula = namesOf(tangent);
    Writer values{&steps.region(), {}};
    values.known = &steps;
    tangent.write(values);
    step.tangentSubstituted = std::move(values.text);
    step.tangent = tangent.value().value();
    if (steps.showsExact())
        step.tangentExact =
            WriteExact(tangent.exact(steps), steps.region(), RationalForm::Fraction).value_or("");
}

// Names the value of a term, and writes the step into steps when there are steps to keep;
// without them nothing is written and nothing allocated.
template <Term T>
Quantity step(Steps* steps, const char* name, const T& term, const char* unit = "",
              StepNote note = StepNote::None)
{
    if (steps) {
        Writer names;
        term.write(names);
        Writer values{&steps->region(), {}};
        values.known = steps;
        term.write(values);
        Step written{
            name, std::move(names.text), std::move(values.text), term.value().value(), unit, note};
        if (steps->exact())
            steps->setExact(name, writeExact(term, written, *steps));
        if constexpr (requires { term.tangent(); })
            writeTangent(term.tangent(), written, *steps);
        steps->add(std::move(written));
    }
    return Quantity(name, term.value(), unit);
}

template <Term T> Quantity step(Steps* steps, const char* name, const T& term, StepNote note)
{
    return step(steps, name, term, "", note);
}

// With steps to keep, notes that x − y, below zero beyond rounding, is so only as far as
// typing the given values to three decimals can take it, the difference written out, before
// the isosceles triangle's formulas.
template <Term L, Term R> void noteIsoscelesWithinTyping(Steps* steps, const L& x, const R& y)
{
    if (!steps)
        return;
    steps->dropExact();
    const Operation<Minus, L, R> difference(x, y);
    Writer names;
    difference.write(names);
    Writer values{&steps->region(), {}};
    difference.write(values);
    steps->add({"", std::move(names.text), std::move(values.text), difference.value().value(), "",
                StepNote::RadicandWithinRounding});
}

} // namespace formula
} // namespace triangle
