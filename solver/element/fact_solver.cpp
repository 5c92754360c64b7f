#include "solver/element/fact_solver.h"

#include "solver/element/element_pairs.h"
#include "solver/element/element_scheme.h"
#include "solver/element/exact_legs.h"
#include "solver/element/fact_closed_forms.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace triangle {

namespace {

using elements::SchemeFact;
using E = Element;

const Relation* relationOf(const Fact& fact)
{
    return std::get_if<Relation>(&fact);
}

// The refusal that names the two facts: a given element by its value, a relation as itself.
ElementRefusal baseOf(const Fact& first, const Fact& second)
{
    ElementRefusal refusal;
    const auto fill = [](const Fact& fact, Element& element, std::optional<double>& value,
                         std::shared_ptr<const Relation>& relation) {
        if (const auto* given = std::get_if<GivenElement>(&fact)) {
            element = given->element;
            value = given->value;
        } else {
            relation = std::make_shared<const Relation>(std::get<Relation>(fact));
            element = relation->left;
        }
    };
    fill(first, refusal.first, refusal.firstValue, refusal.firstRelation);
    fill(second, refusal.second, refusal.secondValue, refusal.secondRelation);
    refusal.field = refusal.second;
    return refusal;
}

ElementRefusal refused(ElementRefusal refusal, ElementRefusalReason reason, int fact)
{
    refusal.reason = reason;
    refusal.factToCorrect = fact;
    return refusal;
}

// The numbers of a relation that must be positive: a ratio's terms, a sum, a factor.
bool positive(const Relation& relation)
{
    switch (relation.kind) {
    case RelationKind::Ratio:
        return relation.first.value > 0.0 && relation.second.value > 0.0;
    case RelationKind::Sum:
    case RelationKind::Multiple:
        return relation.first.value > 0.0;
    case RelationKind::Difference:
        break;
    }
    return std::isfinite(relation.first.value) && relation.first.value != 0.0;
}

SchemeFact schemeOf(const Fact& fact)
{
    if (const auto* given = std::get_if<GivenElement>(&fact))
        return {SchemeFact::Form::Value, given->element, given->element, given->value};
    const Relation& relation = std::get<Relation>(fact);
    switch (relation.kind) {
    case RelationKind::Ratio:
        return {SchemeFact::Form::Ratio, relation.left, relation.right,
                relation.first.value / relation.second.value};
    case RelationKind::Multiple:
        return {SchemeFact::Form::Ratio, relation.left, relation.right, relation.first.value};
    case RelationKind::Sum:
        return {SchemeFact::Form::Sum, relation.left, relation.right, relation.first.value};
    case RelationKind::Difference:
        break;
    }
    return {SchemeFact::Form::Difference, relation.left, relation.right, relation.first.value};
}

// A relation replaced by the element the textbook reads it as, the reading written into
// `steps`: an angle, a trigonometric value; the fact itself otherwise.
Fact simplified(const Fact& fact, Steps* steps)
{
    const Relation* relation = relationOf(fact);
    if (!relation)
        return fact;
    if (auto angle = facts::AngleOf(*relation, steps))
        return *angle;
    if (auto value = facts::TrigonometricOf(*relation, steps))
        return *value;
    return fact;
}

// Whether a fact's value over the shapes is the same everywhere: "c : R = 2 : 1" says
// nothing of the shape.
bool constantOverShapes(const SchemeFact& fact)
{
    const double x = elements::UnitFact(fact, 20.0);
    const double y = elements::UnitFact(fact, 61.0);
    return std::fabs(x - y) <= 1e-12 * std::fabs(x);
}

// "c·(a(α) + b(α)) = 23" and the like: the equation of a fact for the steps.
std::string factEquation(const SchemeFact& fact, const NumberFormat* region)
{
    const auto unit = [](Element element) { return std::string(ElementSymbol(element)) + "(α)"; };
    std::string left;
    switch (fact.form) {
    case SchemeFact::Form::Value:
        left = unit(fact.left);
        break;
    case SchemeFact::Form::Ratio:
        left = unit(fact.left) + " / " + unit(fact.right);
        break;
    case SchemeFact::Form::Sum:
        left = "(" + unit(fact.left) + " + " + unit(fact.right) + ")";
        break;
    case SchemeFact::Form::Difference:
        left = "(" + unit(fact.left) + " − " + unit(fact.right) + ")";
        break;
    }
    const int d = elements::DegreeOf(fact);
    const std::string scale = d == 0 ? "" : d == 2 ? "c²·" : "c·";
    const std::string value = region ? FormatFieldNumber(fact.value, *region) : "…";
    return scale + left + " = " + value;
}

// "a = c·sin α = 26,000·sin 67,380° = 24": a leg from the hypotenuse and the angle found
// numerically, with its exact value where the textbook has one.
Step legStep(const GivenElement& leg, const char* function, double c, double alpha,
             const Steps& steps)
{
    const NumberFormat& region = steps.region();
    return facts::WithExactResult({ElementSymbol(leg.element), std::string("c·") + function + " α",
                                   FormatFieldNumber(c, region) + "·" + function + " " +
                                       FormatFieldNumber(alpha, region) + "°",
                                   leg.value},
                                  leg.exact, steps);
}

FactSolution fromLegs(const facts::Legs& legs, int count, Steps* steps, Steps* rest)
{
    const ElementSolution solution =
        elements::SolveGivenPair(legs.first, legs.second, 0, nullptr, steps, rest);
    if (!solution.ok())
        return solution.fault();
    return FactTriangle{solution.value(), count};
}

FactSolution byScheme(const Fact& firstFact, const Fact& secondFact, const ElementRefusal& base,
                      int which, Steps* steps, Steps* rest)
{
    const SchemeFact first = schemeOf(firstFact);
    const SchemeFact second = schemeOf(secondFact);
    const int d1 = elements::DegreeOf(first);
    const int d2 = elements::DegreeOf(second);
    for (const auto& [fact, index] : {std::pair{first, 0}, std::pair{second, 1}}) {
        if (elements::DegreeOf(fact) == 0 && constantOverShapes(fact))
            return refused(base, ElementRefusalReason::OnlyTheSize, index);
    }
    if (d1 == 0 && d2 == 0) {
        // Two facts of the shape: the same shape within typing, or two shapes.
        for (double alpha :
             elements::SchemeRoots(first, {SchemeFact::Form::Value, E::c, E::c, 1.0}))
            if (std::fabs(elements::UnitFact(second, alpha) - second.value) <=
                elements::halfThousandth)
                return refused(base, ElementRefusalReason::OnlyTheShape, 1);
        return refused(base, ElementRefusalReason::ShapeContradicts, 1);
    }
    if (d1 > 0 && d2 > 0) {
        const auto ratio = [&](double alpha) {
            const double x = elements::UnitFact(first, alpha);
            const double y = elements::UnitFact(second, alpha);
            return (d1 == 2 ? std::sqrt(x) : x) / (d2 == 2 ? std::sqrt(y) : y);
        };
        if (std::fabs(ratio(20.0) - ratio(61.0)) <= 1e-12 * std::fabs(ratio(20.0)))
            return refused(base, ElementRefusalReason::OnlyTheSize, 1);
    }
    std::vector<double> roots = elements::SchemeRoots(first, second);
    if (roots.empty())
        return refused(base, ElementRefusalReason::NoTriangle, 1);
    const SchemeFact& sized = d1 > 0 ? first : second;
    const auto legOf = [&](double alpha) {
        return elements::HypotenuseFrom(sized, alpha) * std::sin(alpha * std::numbers::pi / 180.0);
    };
    std::sort(roots.begin(), roots.end(), [&](double p, double q) { return legOf(p) < legOf(q); });
    roots.resize(std::min<std::size_t>(roots.size(), elements::MostTriangles));
    const double alpha =
        roots[static_cast<std::size_t>(std::clamp(which, 0, static_cast<int>(roots.size()) - 1))];
    const double c = elements::HypotenuseFrom(sized, alpha);
    const double a = c * std::sin(alpha * std::numbers::pi / 180.0);
    const double b = c * std::cos(alpha * std::numbers::pi / 180.0);
    if (!(a > 0.0 && b > 0.0 && std::isfinite(c)))
        return refused(base, ElementRefusalReason::NoTriangle, 1);
    if (steps) {
        // The equations with their numbers: a relation's number has no name of its own.
        const std::string both =
            factEquation(first, &steps->region()) + ", " + factEquation(second, &steps->region());
        const std::string one = factEquation(sized, &steps->region());
        steps->add({"α", both, both, alpha, "°", StepNote::SolvedNumerically});
        steps->add({"c", one, one, c, "", StepNote::SolvedNumerically});
    }
    // Legs the textbook writes exactly (24 and 10) are taken as such, with their exact values.
    const facts::Legs legs =
        facts::ExactLegs(a, b, firstFact, secondFact)
            .value_or(facts::Legs{GivenElement{E::a, a, {}}, GivenElement{E::b, b, {}}, true});
    if (steps) {
        steps->add(legStep(legs.first, "sin", c, alpha, *steps));
        steps->add(legStep(legs.second, "cos", c, alpha, *steps));
    }
    return fromLegs(legs, static_cast<int>(roots.size()), steps, rest);
}

} // namespace

FactSolution SolveFacts(const Fact& firstFact, const Fact& secondFact, int which, Steps* steps,
                        Steps* rest)
{
    const ElementRefusal base = baseOf(firstFact, secondFact);
    for (const auto& [fact, index] : {std::pair{&firstFact, 0}, std::pair{&secondFact, 1}}) {
        const Relation* relation = relationOf(*fact);
        if (!relation)
            continue;
        if (relation->left == relation->right)
            return refused(base, ElementRefusalReason::SameElement, index);
        if (!positive(*relation))
            return refused(base, ElementRefusalReason::NotPositive, index);
        if (IsAngle(relation->left) && relation->kind == RelationKind::Sum)
            return refused(base, ElementRefusalReason::OnlyTheShape, index);
        // A leg as long as the hypotenuse or longer: c : a ≤ 1, a − c, c − a ≤ 0.
        const bool hypotenuseLeft = relation->left == E::c;
        const bool hypotenuseRight = relation->right == E::c;
        const bool leg = (hypotenuseLeft ? relation->right : relation->left) == E::a ||
                         (hypotenuseLeft ? relation->right : relation->left) == E::b;
        const bool ratio =
            relation->kind == RelationKind::Ratio || relation->kind == RelationKind::Multiple;
        double quotient = relation->first.value;
        if (relation->kind == RelationKind::Ratio)
            quotient /= relation->second.value;
        const bool legTooLong =
            leg && ((ratio && hypotenuseLeft && !(quotient > 1.0)) ||
                    (ratio && hypotenuseRight && !(quotient < 1.0)) ||
                    (relation->kind == RelationKind::Difference && hypotenuseRight) ||
                    (relation->kind == RelationKind::Difference && hypotenuseLeft &&
                     !(relation->first.value > 0.0)));
        if (legTooLong) {
            ElementRefusal refusal = refused(base, ElementRefusalReason::Bound, index);
            refusal.bound = ElementBound::HypotenuseLongest;
            refusal.otherLeg = (hypotenuseLeft ? relation->right : relation->left) == E::b;
            return refusal;
        }
    }
    const Fact first = simplified(firstFact, steps);
    const Fact second = simplified(secondFact, steps);
    const auto* x = std::get_if<GivenElement>(&first);
    const auto* y = std::get_if<GivenElement>(&second);
    if (x && y) {
        int count = 1;
        const ElementSolution solution =
            elements::SolveGivenPair(*x, *y, which, &count, steps, rest);
        if (!solution.ok()) {
            ElementRefusal refusal = solution.fault();
            refusal.firstRelation = base.firstRelation;
            refusal.secondRelation = base.secondRelation;
            return refusal;
        }
        if (steps && rest)
            facts::WriteExactRest(first, second, solution.value(), *steps, *rest);
        return FactTriangle{solution.value(), count};
    }
    // A relation with one given element: the closed forms of c − a with b and a + b with c.
    const Relation* relation = relationOf(first) ? relationOf(first) : relationOf(second);
    const GivenElement* given = x ? x : y;
    if (relation && given) {
        ElementRefusal refusal = refused(base, ElementRefusalReason::NoTriangle, x ? 1 : 0);
        auto legs = facts::LegsFromDifference(*relation, *given, refusal, steps);
        if (!legs)
            legs = facts::LegsFromSum(*relation, *given, refusal, steps);
        if (legs && !legs->solved)
            return refusal;
        if (legs) {
            // The legs' own formulas would work out the given hypotenuse again.
            const std::size_t from = steps ? steps->list().size() : 0;
            FactSolution solution = fromLegs(*legs, 1, steps, rest);
            if (steps)
                steps->omitFrom(from, ElementSymbol(given->element));
            return solution;
        }
    }
    return byScheme(first, second, base, which, steps, rest);
}

} // namespace triangle
