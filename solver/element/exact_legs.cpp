#include "solver/element/exact_legs.h"

#include "solver/element/element_pairs.h"
#include "solver/exact/exact_text.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace triangle::facts {

namespace {

// The largest denominator a leg's square may have: a textbook's fractions are small.
constexpr std::int64_t MaxDenominator = 10000;

// The fraction with the smallest denominator within `tolerance` of x > 0, through its
// continued fraction; none where every such denominator is over MaxDenominator.
std::optional<exact::Rational> nearFraction(double x, double tolerance)
{
    // The convergents h/k: h₋₁ = 1, k₋₁ = 0, h₋₂ = 0, k₋₂ = 1.
    std::int64_t h = 1, k = 0, hBefore = 0, kBefore = 1;
    double rest = x;
    for (int i = 0; i < 40; ++i) {
        const double whole = std::floor(rest);
        if (whole > 1e12)
            return std::nullopt;
        const auto digit = static_cast<std::int64_t>(whole);
        const std::int64_t hNext = digit * h + hBefore;
        const std::int64_t kNext = digit * k + kBefore;
        if (kNext > MaxDenominator)
            return std::nullopt;
        hBefore = h, kBefore = k, h = hNext, k = kNext;
        if (std::fabs(static_cast<double>(h) / static_cast<double>(k) - x) <= tolerance)
            return exact::makeRational(h, k);
        if (rest == whole)
            return std::nullopt;
        rest = 1.0 / (rest - whole);
    }
    return std::nullopt;
}

// x as √(p/q) in its canonical form: 2√3 for 3.4641016151377544.
ExactNumber exactLeg(double x)
{
    const double square = x * x;
    const std::optional<exact::Rational> q = nearFraction(square, 1e-12 * square);
    return q ? sqrt(ExactNumber::rational(*q)) : ExactNumber();
}

// Whether the fact holds exactly for the triangle whose exact values `steps` hold.
bool holds(const Fact& fact, const Steps& steps)
{
    const auto of = [&](Element element) {
        return IsAngle(element) ? ExactNumber() : steps.exactOf(ElementSymbol(element));
    };
    if (const auto* given = std::get_if<GivenElement>(&fact))
        return ExactlyEquals(of(given->element), given->exact);
    const Relation& relation = std::get<Relation>(fact);
    const ExactNumber left = of(relation.left);
    const ExactNumber right = of(relation.right);
    const ExactNumber& first = relation.first.exact;
    switch (relation.kind) {
    case RelationKind::Ratio:
        return ExactlyEquals(left * relation.second.exact, right * first);
    case RelationKind::Sum:
        return ExactlyEquals(left + right, first);
    case RelationKind::Difference:
        return ExactlyEquals(left - right, first);
    case RelationKind::Multiple:
        return ExactlyEquals(left, first * right);
    }
    return false;
}

} // namespace

std::optional<Legs> ExactLegs(double a, double b, const Fact& first, const Fact& second)
{
    const ExactNumber exactA = exactLeg(a);
    const ExactNumber exactB = exactLeg(b);
    if (!exactA.exists() || !exactB.exists())
        return std::nullopt;
    Legs legs{GivenElement{Element::a, ApproximateValue(exactA), exactA},
              GivenElement{Element::b, ApproximateValue(exactB), exactB}, true};
    Steps worked;
    if (!elements::SolveGivenPair(legs.first, legs.second, 0, nullptr, &worked, &worked).ok())
        return std::nullopt;
    if (!holds(first, worked) || !holds(second, worked))
        return std::nullopt;
    return legs;
}

Step WithExactResult(Step step, const ExactNumber& value, const Steps& steps)
{
    const std::optional<std::string> written = WriteExact(value, steps.region());
    if (!written || !steps.showsExact())
        return step;
    step.exactValue = value;
    step.exactSubstituted = step.substituted;
    step.exactResult = *written;
    step.exactIsShort = FitsThreeDecimals(value);
    return step;
}

void WriteExactRest(const Fact& first, const Fact& second, const TriangleDetails& triangle,
                    Steps& steps, Steps& rest)
{
    const std::vector<Step>& found = steps.list();
    if (std::none_of(found.begin(), found.end(),
                     [](const Step& step) { return step.note == StepNote::SolvedNumerically; }))
        return;
    const std::optional<Legs> legs = ExactLegs(triangle.a, triangle.b, first, second);
    if (!legs)
        return;
    Steps pair(rest.region());
    Steps worked(rest.region());
    if (!elements::SolveGivenPair(legs->first, legs->second, 0, nullptr, &pair, &worked).ok())
        return;
    std::set<std::string> known;
    for (const Fact* fact : {&first, &second})
        known.insert(ElementSymbol(std::get<GivenElement>(*fact).element));
    Steps legsShown(steps.region());
    for (const Step& step : found) {
        known.insert(step.name);
        legsShown.add(step.name == "a"   ? WithExactResult(step, legs->first.exact, legsShown)
                      : step.name == "b" ? WithExactResult(step, legs->second.exact, legsShown)
                                         : step);
    }
    Steps restShown(rest.region());
    restShown.continueFrom(worked);
    for (const Step& step : worked.list())
        if (!known.contains(step.name))
            restShown.add(step);
    steps = std::move(legsShown);
    rest = std::move(restShown);
}

} // namespace triangle::facts
