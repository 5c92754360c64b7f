#include "solver/element/element_pairs.h"

#include "solver/element/element_scheme.h"
#include "solver/formula/formula_angles.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>

namespace triangle::elements {

namespace {

using E = Element;
using formula::two;

// Each element of the triangle whose hypotenuse is 1, as a function of α, in Element's
// order: the names of the steps.
constexpr const char* unitNames[ElementCount] = {
    "a(α)", "b(α)",   "c(α)",   "α",      "β",      "h(α)",   "a₁(α)",  "b₁(α)", "S(α)",
    "P(α)", "r(α)",   "R(α)",   "sin α",  "cos α",  "tg α",   "cotg α", "sin β", "cos β",
    "tg β", "cotg β", "m_a(α)", "m_b(α)", "l_a(α)", "l_b(α)", "l_c(α)"};

const char* unitName(Element element)
{
    return unitNames[static_cast<std::size_t>(element)];
}

// "c·m_a(α) = m_a", "c²·S(α) = S", "sin α = sin α": a fact as c^d·f(α) = v, with the given
// value written where `region`.
std::string factText(Element element, double value, const NumberFormat* region)
{
    const int d = DegreeOf(element);
    std::string text = d == 0 ? "" : d == 2 ? "c²·" : "c·";
    text += unitName(element);
    text += " = ";
    text += region ? FormatFieldNumber(value, *region) : ElementSymbol(element);
    return text;
}

// a = 2√(m_a² − b²): the midpoint of a and the vertex of α make a right triangle with the
// legs a/2 and b and the hypotenuse m_a. Of m_b with a, the mirror image.
Outcome solveMedianWithLeg(Work& work, Element median)
{
    const Element leg = median == E::mA ? E::a : E::b;
    const Element other = median == E::mA ? E::b : E::a;
    const Quantity m = work[median];
    const Quantity x = work[other];
    const auto root = formula::sqrtOfDifference(m * m, x * x);
    if (!(m.number() > x.number()) || !root || root->value().value() == 0.0) {
        ElementRefusal refusal = work.refuse(ElementBound::MedianAboveOtherLeg, median, x.number());
        refusal.otherLeg = median == E::mB;
        return refusal;
    }
    const Quantity& found = work.find(leg, two * *root);
    work.find(E::c, sqrt(found * found + x * x));
    return std::nullopt;
}

// A median or bisector beyond what the other given element allows, refused with the bound in
// numbers: the textbook's own words for the bisector of the right angle with c, R or a leg,
// the range over every shape otherwise. Of two medians or bisectors, the second given is
// limited.
ElementRefusal cevianBeyond(const Work& work, const SchemeFact (&facts)[2])
{
    const ElementRefusal base = work.refuse(ElementRefusalReason::NoTriangle);
    const Element limited = IsCevian(base.second) ? base.second : base.first;
    const SchemeFact& limitedFact = facts[0].left == limited ? facts[0] : facts[1];
    const SchemeFact& givenFact = facts[0].left == limited ? facts[1] : facts[0];
    if (DegreeOf(givenFact) == 0)
        return base;
    const double given = givenFact.value;
    if (limited == E::lC) {
        switch (givenFact.left) {
        case E::c:
            return work.refuse(ElementBound::BisectorAtMostHalfHypotenuse, limited, given / 2.0);
        case E::R:
            return work.refuse(ElementBound::BisectorAtMostCircumradius, limited, given);
        case E::a:
        case E::b: {
            ElementRefusal refusal = work.refuse(ElementBound::BisectorBelowLegShare, limited,
                                                 given * std::numbers::sqrt2);
            refusal.otherLeg = givenFact.left == E::b;
            return refusal;
        }
        default:
            break;
        }
    }
    const SchemeRange range = ScaleFreeRange(givenFact, limitedFact);
    const double value = limitedFact.value;
    std::optional<double> passed;
    if (range.high.value && value > *range.high.value)
        passed = range.high.value;
    else if (range.low.value && value < *range.low.value)
        passed = range.low.value;
    else
        return base;
    ElementRefusal refusal = work.refuse(ElementBound::CevianBetween, limited, passed);
    refusal.range = {range.low.value,    range.high.value, range.low.reached,
                     range.high.reached, range.low.at,     range.high.at};
    return refusal;
}

} // namespace

Outcome SolveCevianPair(Work& work, Element first, Element second, int which, int* count)
{
    if ((first == E::mA && second == E::b) || (first == E::b && second == E::mA))
        return solveMedianWithLeg(work, E::mA);
    if ((first == E::mB && second == E::a) || (first == E::a && second == E::mB))
        return solveMedianWithLeg(work, E::mB);
    // Either order gives the same bits: the element first in Element's order leads.
    if (second < first)
        std::swap(first, second);
    const Quantity x = work[first];
    const Quantity y = work[second];
    const SchemeFact facts[2] = {{SchemeFact::Form::Value, first, first, x.number()},
                                 {SchemeFact::Form::Value, second, second, y.number()}};
    std::vector<double> roots = SchemeRoots(facts[0], facts[1]);
    if (roots.empty())
        return cevianBeyond(work, facts);
    const SchemeFact& sized = DegreeOf(facts[0]) > 0 ? facts[0] : facts[1];
    // The triangle with the shorter a first.
    std::sort(roots.begin(), roots.end(), [&](double p, double q) {
        return HypotenuseFrom(sized, p) * std::sin(p * (std::numbers::pi / 180.0)) <
               HypotenuseFrom(sized, q) * std::sin(q * (std::numbers::pi / 180.0));
    });
    roots.resize(std::min<std::size_t>(roots.size(), MostTriangles));
    if (count)
        *count = static_cast<int>(roots.size());
    const double root = roots[static_cast<std::size_t>(
        std::clamp<std::size_t>(static_cast<std::size_t>(which), 0, roots.size() - 1))];
    const Quantity& alpha = work.has(E::alpha)
                                ? work[E::alpha]
                                : work.keep(E::alpha, Quantity("α", Checked(root), "°"));
    if (Steps* steps = work.steps()) {
        steps->dropExact();
        if (!work.isGiven(E::alpha))
            steps->add({"α", factText(first, 0.0, nullptr) + ", " + factText(second, 0.0, nullptr),
                        factText(first, x.number(), &steps->region()) + ", " +
                            factText(second, y.number(), &steps->region()),
                        root, "°", StepNote::SolvedNumerically});
    }
    const Quantity& given = sized.left == first ? x : y;
    const Quantity unit(unitName(sized.left), Checked(UnitElement(sized.left, root)));
    const Quantity& c = work.has(E::c)         ? work[E::c]
                        : DegreeOf(sized) == 2 ? work.find(E::c, sqrt(given / unit))
                                               : work.find(E::c, given / unit);
    if (!work.has(E::a))
        work.find(E::a, c * formula::sin(alpha));
    if (!work.has(E::b))
        work.find(E::b, c * formula::cos(alpha));
    return std::nullopt;
}

} // namespace triangle::elements
