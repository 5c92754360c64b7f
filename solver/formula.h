#pragma once

// Formulas that compute and can say what they computed. A term is made by the same checked
// operation a bare Checked expression would use, at the moment it is written, so that its
// value is the solver's value bit for bit; it also keeps its shape, to be written out as
// text with the quantities' names or with their values. The text of a step and its
// arithmetic therefore come from one place.

#include "solver/checked_double.h"
#include "solver/field_number.h"

#include <cmath>
#include <concepts>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace triangle {

// What the window says about a step besides its formula.
enum class StepNote {
    None,
    SumOfLegs,              // the step's quantity is a + b
    LegsDifferenceAMinusB,  // a − b, a the longer leg
    LegsDifferenceBMinusA,  // b − a, b the longer leg
    RadicandWithinRounding, // no formula: the radicand `formula` is below zero only as far as
                            // typing the given values to three decimals can take it, so the
                            // triangle is the isosceles one, whose formulas follow
    BoundWithinRounding,    // no formula: the given values are beyond the bound `formula`, of
                            // value `result`, only as far as typing them to three decimals
                            // can take them, so the triangle is the isosceles one
    SolvedNumerically,      // the quantity is the root of the equation `formula` = `result`
                            // of the step, found numerically to the last bit of a double
};

// One formula as the program evaluated it: "b = √(c² − a²)", the same with the numbers put
// in, "√(5,000² − 3,000²)", and the result.
struct Step {
    std::string name;
    std::string formula;
    std::string substituted;
    double result = 0.0;
    std::string unit; // written after the result: "°" for an angle in degrees
    StepNote note = StepNote::None;
};

// The steps of one calculation, in the order they ran, with numbers in the user's region.
class Steps {
public:
    explicit Steps(NumberFormat region = {}) : m_region(std::move(region)) {}

    const NumberFormat& region() const { return m_region; }
    const std::vector<Step>& list() const { return m_list; }
    void add(Step step) { m_list.push_back(std::move(step)); }

private:
    NumberFormat m_region;
    std::vector<Step> m_list;
};

namespace formula {

// How tightly a term binds, for deciding where the written text needs parentheses.
enum class Binding { Sum = 1, Product = 2, Primary = 3 };

// Writes terms with names, or, given a region, with their values to three decimals.
struct Writer {
    const NumberFormat* region = nullptr;
    std::string text;

    void number(const char* name, double value, const char* unit = "")
    {
        if (!region) {
            text += name;
            return;
        }
        // A negative number in a formula is bracketed, as on paper: 2·(−1,500).
        if (value < 0.0)
            text += '(';
        text += FormatFieldNumber(value, *region);
        text += unit;
        if (value < 0.0)
            text += ')';
    }
};

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

    friend bool operator<(const Quantity& x, const Quantity& y) { return x.m_value < y.m_value; }
    friend bool operator>(const Quantity& x, const Quantity& y) { return x.m_value > y.m_value; }

private:
    const char* m_name;
    Checked m_value;
    const char* m_unit;
};

// A constant of a formula: a small integer, exact as a double, or √2 rounded once; written
// the same either way.
class Constant {
public:
    static constexpr Binding binding = Binding::Primary;

    constexpr Constant(double value, const char* text) : m_value(value), m_text(text) {}
    Checked value() const { return m_value; }
    void write(Writer& out) const { out.text += m_text; }

private:
    Checked m_value;
    const char* m_text;
};

// The constants of the formulas.
inline constexpr Constant one{1.0, "1"};
inline constexpr Constant two{2.0, "2"};
inline constexpr Constant four{4.0, "4"};
inline constexpr Constant eight{8.0, "8"};
inline constexpr Constant sqrtTwo{std::numbers::sqrt2, "√2"};
inline constexpr Constant ninety{90.0, "90°"};

template <typename T>
concept Term = requires(const T& term, Writer& out)
{
    {
        term.value()
        } -> std::same_as<Checked>;
    term.write(out);
    T::binding;
};

template <Term T> void writeBracketed(const T& term, Writer& out, bool bracket)
{
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
};
struct Minus {
    static constexpr Binding binding = Binding::Sum;
    static constexpr const char* sign = " − ";
    static Checked apply(Checked x, Checked y) { return x - y; }
};
struct Times {
    static constexpr Binding binding = Binding::Product;
    static constexpr const char* sign = "·";
    static Checked apply(Checked x, Checked y) { return x * y; }
};
struct Over {
    static constexpr Binding binding = Binding::Product;
    static constexpr const char* sign = " / ";
    static Checked apply(Checked x, Checked y) { return x / y; }
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
    void write(Writer& out) const
    {
        // x·x is written x², as on paper.
        if constexpr (std::same_as<Op, Times> && std::same_as<L, R>) {
            if (namesOf(m_left) == namesOf(m_right)) {
                writeBracketed(m_left, out, L::binding != Binding::Primary);
                out.text += "²";
                return;
            }
        }
        writeParts(m_left, m_right, out);
    }
    static void writeParts(const L& left, const R& right, Writer& out)
    {
        writeBracketed(left, out, L::binding < binding);
        out.text += Op::sign;
        writeBracketed(right, out, R::binding <= binding);
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
    void write(Writer& out) const
    {
        out.text += "√";
        writeBracketed(m_inner, out, true);
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

// The angle whose tangent is y / x, in degrees, by atan2, which finds it without forming
// the quotient; written arctg(y / x).
template <Term Y, Term X> class ArcTangentDegrees {
public:
    static constexpr Binding binding = Binding::Primary;

    ArcTangentDegrees(const Y& y, const X& x)
        : m_y(y), m_x(x),
          m_value(std::atan2(y.value().value(), x.value().value()) * (180.0 / std::numbers::pi))
    {}
    Checked value() const { return m_value; }
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
    static constexpr const char* name = "sin ";
    static double apply(double radians) { return std::sin(radians); }
};
struct CosineOf {
    static constexpr const char* name = "cos ";
    static double apply(double radians) { return std::cos(radians); }
};
struct TangentOf {
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
    void write(Writer& out) const
    {
        out.text += Fn::name;
        writeBracketed(m_x, out, X::binding != Binding::Primary);
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
        term.write(values);
        steps->add({name, std::move(names.text), std::move(values.text), term.value().value(), unit,
                    note});
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
