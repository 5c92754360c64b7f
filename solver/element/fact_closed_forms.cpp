#include "solver/element/fact_closed_forms.h"

#include "solver/element/element_pairs.h"
#include "solver/formula/formula.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace triangle::facts {

namespace {

using E = Element;
using formula::Quantity;
using formula::two;

// The steps of one closed form, worked in a Steps of its own so that its names ("5", "(c − a)")
// stay apart from the triangle's, and handed to the caller's steps where it keeps them. The
// exact values come out where every number the form starts from has one.
class Reading {
public:
    explicit Reading(Steps* steps) : m_steps(steps), m_own(steps ? steps->region() : NumberFormat{})
    {}
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;
    ~Reading()
    {
        if (m_steps)
            for (const Step& step : m_own.list())
                m_steps->add(step);
    }

    const NumberFormat& region() const { return m_own.region(); }

    Quantity number(const char* name, const TypedNumber& number, const char* unit = "")
    {
        return given(name, number.value, number.exact, unit);
    }
    Quantity given(const char* name, double value, const ExactNumber& exact, const char* unit = "")
    {
        if (exact.exists())
            m_own.given(name, exact);
        else {
            m_own.given(name, value);
            m_exact = false;
        }
        return Quantity(name, Checked(value), unit);
    }
    template <formula::Term T>
    Quantity step(const char* name, const T& term, const char* unit = "",
                  StepNote note = StepNote::None)
    {
        return formula::step(&m_own, name, term, unit, note);
    }
    template <formula::Term L, formula::Term R> void isoscelesWithinTyping(const L& x, const R& y)
    {
        formula::noteIsoscelesWithinTyping(&m_own, x, y);
        m_exact = false;
    }
    // A found quantity as the given element it is for what follows.
    GivenElement element(Element element, const Quantity& found) const
    {
        return {element, found.number(), m_exact ? m_own.exactOf(found.name()) : ExactNumber()};
    }
    // The result of a step under a second name, bracketed for the formulas it is part of.
    Quantity renamed(const char* name, const Quantity& found)
    {
        m_own.setExact(name, m_own.exactOf(found.name()));
        return Quantity(name, found.value());
    }

private:
    Steps* m_steps;
    Steps m_own;
    bool m_exact = true;
};

// A number of a relation with no name of its own, "5" of "α : β = 1 : 5", named by itself
// as it was typed: the formula and its numbers put in read the same.
class Unnamed {
public:
    Unnamed(Reading& reading, const TypedNumber& number)
        : m_name(WriteTypedNumber(number, reading.region())),
          m_quantity(reading.number(m_name.c_str(), number))
    {}
    Unnamed(const Unnamed&) = delete;
    Unnamed& operator=(const Unnamed&) = delete;
    const Quantity& operator*() const { return m_quantity; }

private:
    std::string m_name;
    Quantity m_quantity;
};

bool isRatio(const Relation& relation)
{
    return relation.kind == RelationKind::Ratio || relation.kind == RelationKind::Multiple;
}

// The value of a relation's right term: a ratio's second term, 1 for a multiple, whose
// left term is its factor.
TypedNumber rightTerm(const Relation& relation)
{
    if (relation.kind == RelationKind::Multiple)
        return {1.0, ExactNumber::integer(1), false};
    return relation.second;
}

bool overflow(const CalculationStopped& stop)
{
    return stop.fault == CalculationFault::Overflow;
}

} // namespace

std::optional<GivenElement> AngleOf(const Relation& relation, Steps* steps)
{
    if (!IsAngle(relation.left) || !IsAngle(relation.right) || relation.kind == RelationKind::Sum)
        return std::nullopt;
    const bool alphaLeft = relation.left == E::alpha;
    Reading reading(steps);
    try {
        if (relation.kind == RelationKind::Difference) {
            // α − β = d with α + β = 90°: α = (90° + d)/2; β − α = d: α = (90° − d)/2.
            const Quantity d =
                reading.number(alphaLeft ? "(α − β)" : "(β − α)", relation.first, "°");
            const Quantity alpha = alphaLeft ? reading.step("α", (formula::ninety + d) / two, "°")
                                             : reading.step("α", (formula::ninety - d) / two, "°");
            return reading.element(E::alpha, alpha);
        }
        // α : β = p : q: α = 90°·p/(p + q); α = kβ is α : β = k : 1.
        const Unnamed left(reading, relation.first);
        const Unnamed right(reading, rightTerm(relation));
        const Quantity& p = alphaLeft ? *left : *right;
        const Quantity& q = alphaLeft ? *right : *left;
        return reading.element(E::alpha, reading.step("α", formula::ninety * p / (p + q), "°"));
    } catch (const CalculationStopped&) {
        return GivenElement{E::alpha, std::numeric_limits<double>::quiet_NaN(), {}};
    }
}

std::optional<GivenElement> TrigonometricOf(const Relation& relation, Steps* steps)
{
    if (!isRatio(relation))
        return std::nullopt;
    // Each value a ratio of two sides is: tg α = a / b, sin α = a / c, cos α = b / c.
    struct Ratio {
        E value;
        E over;
        E under;
    };
    static constexpr Ratio ratios[] = {
        {E::tgAlpha, E::a, E::b}, {E::sinAlpha, E::a, E::c}, {E::cosAlpha, E::b, E::c}};
    const E l = relation.left;
    const E r = relation.right;
    const bool projections = (l == E::a1 && r == E::b1) || (l == E::b1 && r == E::a1);
    const Ratio* read = nullptr;
    for (const Ratio& ratio : ratios)
        if ((l == ratio.over && r == ratio.under) || (l == ratio.under && r == ratio.over))
            read = &ratio;
    if (!read && !projections)
        return std::nullopt;
    const E value = read ? read->value : E::tgAlpha;
    Reading reading(steps);
    try {
        // The two sides' terms under their names: "tg α = a / b = 5 / 12".
        const Quantity left = reading.number(ElementSymbol(l), relation.first);
        const Quantity right = reading.number(ElementSymbol(r), rightTerm(relation));
        const E over = read ? read->over : E::a1;
        const Quantity& x = l == over ? left : right;
        const Quantity& y = l == over ? right : left;
        // a₁ : b₁ = a² : b² = tg²α.
        if (projections)
            return reading.element(value, reading.step(ElementSymbol(value), formula::sqrt(x / y)));
        return reading.element(value, reading.step(ElementSymbol(value), x / y));
    } catch (const CalculationStopped&) {
        return GivenElement{value, std::numeric_limits<double>::infinity(), {}};
    }
}

std::optional<Legs> LegsFromDifference(const Relation& relation, const GivenElement& leg,
                                       ElementRefusal& refusal, Steps* steps)
{
    if (relation.kind != RelationKind::Difference || relation.left != E::c ||
        !(relation.right == E::a || relation.right == E::b) ||
        leg.element != elements::MirrorOf(relation.right))
        return std::nullopt;
    const double d = relation.first.value;
    const double x = leg.value;
    refusal.reason = ElementRefusalReason::Bound;
    refusal.otherLeg = relation.right == E::b;
    if (!(d > 0.0)) {
        refusal.bound = ElementBound::HypotenuseLongest;
        refusal.boundValue = 0.0;
        return Legs{};
    }
    if (!(d < x)) {
        refusal.bound = ElementBound::DifferenceBelowOtherLeg;
        refusal.boundValue = x;
        return Legs{};
    }
    const bool aFound = relation.right == E::a;
    Reading reading(steps);
    try {
        // c − a = d with b: b² = c² − a² = (c − a)(c + a), so c + a = b²/(c − a), and
        // a = ((c + a) − (c − a))/2.
        const Quantity difference = reading.number(aFound ? "(c − a)" : "(c − b)", relation.first);
        const Quantity other = reading.given(ElementSymbol(leg.element), x, leg.exact);
        const Quantity sum = reading.renamed(
            aFound ? "(c + a)" : "(c + b)",
            reading.step(aFound ? "c + a" : "c + b", other * other / difference, "",
                         aFound ? StepNote::SquareOfBAsProduct : StepNote::SquareOfAAsProduct));
        const Quantity found =
            reading.step(ElementSymbol(relation.right), (sum - difference) / two);
        refusal.reason = ElementRefusalReason::NoTriangle;
        return Legs{reading.element(relation.right, found), leg, true};
    } catch (const CalculationStopped& stop) {
        refusal.reason = overflow(stop) ? ElementRefusalReason::ResultBeyondRange
                                        : ElementRefusalReason::NoTriangle;
        return Legs{};
    }
}

std::optional<Legs> LegsFromSum(const Relation& relation, const GivenElement& hypotenuse,
                                ElementRefusal& refusal, Steps* steps)
{
    const bool legs = (relation.left == E::a && relation.right == E::b) ||
                      (relation.left == E::b && relation.right == E::a);
    if (relation.kind != RelationKind::Sum || !legs || hypotenuse.element != E::c)
        return std::nullopt;
    const double sum = relation.first.value;
    const double hypotenuseValue = hypotenuse.value;
    refusal.reason = ElementRefusalReason::Bound;
    if (!(sum > hypotenuseValue)) {
        refusal.bound = ElementBound::SumOfLegsAboveHypotenuse;
        refusal.boundValue = hypotenuseValue;
        return Legs{};
    }
    Reading reading(steps);
    try {
        // (b − a)² = 2(a² + b²) − (a + b)² = 2c² − (a + b)², and a, b = ((a + b) ∓ (b − a))/2.
        const Quantity s = reading.number("(a + b)", relation.first);
        const Quantity c = reading.given("c", hypotenuseValue, hypotenuse.exact);
        const auto square = two * (c * c) - s * s;
        if (!(square.value().value() >= 0.0)) {
            const bool within = elements::withinTypingBelow(
                sum, hypotenuseValue, [](double x) { return x * std::numbers::sqrt2; });
            if (!within) {
                refusal.bound = ElementBound::SumOfLegsAtMostHypotenuseShare;
                refusal.boundValue = hypotenuseValue * std::numbers::sqrt2;
                return Legs{};
            }
            // Within typing of the isosceles triangle: its legs c/√2.
            reading.isoscelesWithinTyping(two * (c * c), s * s);
            const Quantity a = reading.step("a", c / formula::sqrtTwo);
            refusal.reason = ElementRefusalReason::NoTriangle;
            return Legs{reading.element(E::a, a), reading.element(E::b, a), true};
        }
        const Quantity t =
            reading.renamed("(b − a)", reading.step("b − a", formula::sqrt(square), "",
                                                    StepNote::LegsDifferenceFromSum));
        const Quantity a = reading.step("a", (s - t) / two);
        const Quantity b = reading.step("b", (s + t) / two);
        refusal.reason = ElementRefusalReason::NoTriangle;
        return Legs{reading.element(E::a, a), reading.element(E::b, b), true};
    } catch (const CalculationStopped& stop) {
        refusal.reason = overflow(stop) ? ElementRefusalReason::ResultBeyondRange
                                        : ElementRefusalReason::NoTriangle;
        return Legs{};
    }
}

} // namespace triangle::facts
