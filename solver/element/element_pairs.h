#pragma once

// The formulas of each pair of elements, behind SolveElementValues. Each pair is solved in
// its own orientation, with a the leg its first element belongs to; the pairs of b's side
// (b, β, b₁) are solved as their mirror images, the names in the steps swapped, so that a
// pair and its mirror image give each other's bits.

#include "solver/element/element_solver.h"
#include "solver/formula/formula.h"
#include "solver/variant/variant_solver.h"

#include <array>
#include <cstdint>
#include <optional>

namespace triangle::elements {

using formula::Quantity;

// Half of the last decimal the program writes: the most by which a value typed back from
// a shown one can differ from the value behind it.
inline constexpr double halfThousandth = 0.0005;

// a ↔ b, α ↔ β, a₁ ↔ b₁; the others are their own.
Element MirrorOf(Element element);

// One calculation: the given values, what has been found so far, and how a refusal of
// the pair is made.
class Work {
public:
    // `base` names the pair as given, with its values; `exact` their exact values, first and
    // second, where typed exactly, none for a decimal (Steps::given).
    Work(const ElementRefusal& base, bool mirrored, Steps* steps,
         const std::array<ExactNumber, 2>& exact);

    bool mirrored() const { return m_mirrored; }
    // From here on, elements are named as they are, and steps go to `rest`.
    void unmirror(Steps* rest)
    {
        m_mirrored = false;
        if (rest && m_steps)
            rest->continueFrom(*m_steps);
        m_steps = rest;
    }
    bool isGiven(Element element) const;
    // Forgets every element found, keeping the given ones.
    void forgetFound();

    // An element as this orientation names it: under the mirror, a is b's place.
    Element actual(Element element) const;
    const char* name(Element element) const { return ElementSymbol(actual(element)); }

    // The value of an element given or found, in this orientation.
    const Quantity& operator[](Element element) const;
    bool has(Element element) const { return m_known[index(actual(element))].has_value(); }
    double number(Element element) const { return (*this)[element].number(); }

    // Works out `element` by `term`, as a step, and keeps it.
    template <formula::Term T>
    const Quantity& find(Element element, const T& term, StepNote note = StepNote::None)
    {
        return keep(element,
                    formula::step(m_steps, name(element), term, IsAngle(element) ? "°" : "", note));
    }
    // Works out `element` by `term` without writing a step, its exact value kept for the
    // steps to tell: the trigonometric values of the whole triangle, which the window shows.
    template <formula::Term T> void note(Element element, const T& term)
    {
        if (m_steps && m_steps->exact())
            m_steps->setExact(name(element), term.exact(*m_steps));
        keep(element, Quantity(name(element), term.value()));
    }
    const Quantity& keep(Element element, const Quantity& value);
    Steps* steps() const { return m_steps; }

    ElementRefusal refuse(ElementBound bound, Element limited, std::optional<double> value) const;
    ElementRefusal refuse(ElementRefusalReason reason) const;

private:
    static std::size_t index(Element element) { return static_cast<std::size_t>(element); }

    ElementRefusal m_base;
    bool m_mirrored;
    Steps* m_steps;
    std::array<std::optional<Quantity>, ElementCount> m_known;
};

// What a pair's formulas end in: a, b and c found (with what else was found on the way),
// or the refusal.
using Outcome = std::optional<ElementRefusal>;

// A pair of the six variants, given in the variant's order, by the variant's own formulas,
// to the bit.
Outcome SolveAsVariant(Work& work, Variant variant, Element first, Element second);

// Pairs that fix the triangle uniquely, in the orientation of a: a leg, the angle α or the
// projection a₁ with another element. `other` is the second element of the pair.
Outcome SolveLegPair(Work& work, Element other);
Outcome SolveAnglePair(Work& work, Element other);
Outcome SolveProjectionPair(Work& work, Element other);

// Pairs of two of c, h, S, P, r, R (c and R excepted), which fix the triangle up to
// swapping the legs: a comes out the shorter.
Outcome SolveSymmetricPair(Work& work, Element first, Element second);

// A trigonometric value of α (sin α, cos α, tg α or cotg α) with a length, the area or the
// perimeter `other`: sin α and cos α from the value, then c, then the legs, all exactly where
// the given values are exact.
Outcome SolveTrigonometricPair(Work& work, Element trigonometric, Element other);

// The refusal of two of α, β and their trigonometric values: OnlyTheShape where they say the
// same angle within the typing of each (half a thousandth either way, an angle half a
// minute), ShapeContradicts where they say different angles (sin α = 0,6 with cos α = 0,5);
// none where either is a length, the area or the perimeter.
std::optional<ElementRefusalReason> ShapeTwice(Element first, double firstValue, Element second,
                                               double secondValue);

// A pair with a median to a leg or a bisector: m_a with b (m_b with a) by a = 2√(m_a² − b²),
// every other by the scheme of element_scheme.h, α found numerically. Where two triangles
// fit, `which` (0 or 1) picks one, the shorter a first, and `count` is set to how many.
Outcome SolveCevianPair(Work& work, Element first, Element second, int which, int* count);

// SolveGivenElements with the choice of `which` triangle where two fit, and their `count`.
ElementSolution SolveGivenPair(const GivenElement& first, const GivenElement& second, int which,
                               int* count, Steps* steps = nullptr, Steps* rest = nullptr);

// a₁ with S, P or r: b₁ is the root of one equation, found numerically.
Outcome SolveProjectionNumerically(Work& work, Element other);

// Whether `given`, beyond an upper bound f(other) that grows with the other given value,
// comes within it when each is changed by half a thousandth: given − δ ≤ f(other + δ),
// with a slack of 2⁻⁴⁹ of the bound for the rounding of the doubles. `boundAt` is f.
template <typename F> bool withinTypingBelow(double given, double other, F boundAt)
{
    constexpr double slack = 1.0 + 0x1p-49;
    return given - halfThousandth <= boundAt(other + halfThousandth) * slack;
}

// The same for a lower bound: given + δ ≥ f(other − δ).
template <typename F> bool withinTypingAbove(double given, double other, F boundAt)
{
    constexpr double slack = 1.0 - 0x1p-49;
    const double smaller = other > halfThousandth ? other - halfThousandth : 0.0;
    return given + halfThousandth >= boundAt(smaller) * slack;
}

} // namespace triangle::elements
