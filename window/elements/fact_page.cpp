#include "window/elements/fact_page.h"

#include "solver/element/element_value_texts.h"
#include "solver/exact/exact_text.h"
#include "solver/formula/steps.h"
#include "solver/number/field_number.h"
#include "window/drawing/solution_drawing.h"
#include "window/solution/trigonometric_lines.h"
#include "window/text/angle_text.h"
#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace triangle {

namespace {

// "a = 7,000", "a = 2√3", "α ≈ 36°52′", "a : b = 5 : 12"
std::string givenText(const Fact& fact, const NumberFormat& region)
{
    if (const auto* relation = std::get_if<Relation>(&fact))
        return WriteRelation(*relation, region);
    return GivenValueText(std::get<GivenElement>(fact), region);
}

const GivenElement* valueOf(const Fact& fact)
{
    return std::get_if<GivenElement>(&fact);
}

bool showsProjections(const Fact& fact)
{
    const auto shows = [](Element element) {
        return element == Element::h || element == Element::a1 || element == Element::b1;
    };
    if (const auto* given = valueOf(fact))
        return shows(given->element);
    const auto& relation = std::get<Relation>(fact);
    return shows(relation.left) || shows(relation.right);
}

// The median or bisector an element is: the five follow cotg β in the order of Cevian.
std::optional<Cevian> cevianOf(Element element)
{
    const int i = static_cast<int>(element) - static_cast<int>(Element::cotgBeta) - 1;
    if (i < 0 || i > static_cast<int>(Cevian::BisectorC))
        return std::nullopt;
    return static_cast<Cevian>(i);
}

// The medians and bisectors among the facts, each once, to be drawn.
std::vector<Cevian> ceviansOf(const Fact& first, const Fact& second)
{
    std::vector<Cevian> cevians;
    const auto add = [&](Element element) {
        const std::optional<Cevian> cevian = cevianOf(element);
        if (cevian && std::find(cevians.begin(), cevians.end(), *cevian) == cevians.end())
            cevians.push_back(*cevian);
    };
    for (const Fact* fact : {&first, &second}) {
        if (const auto* given = valueOf(*fact)) {
            add(given->element);
        } else {
            add(std::get<Relation>(*fact).left);
            add(std::get<Relation>(*fact).right);
        }
    }
    return cevians;
}

SolutionPage pageOf(const Fact& first, const Fact& second, int which, const NumberFormat& region,
                    ExactElements* exact);

} // namespace

SolutionPage FactSolutionPageOf(const Fact& first, const Fact& second, int which,
                                const NumberFormat& region, ExactElements* exact)
{
    SolutionPage page = pageOf(first, second, which, region, exact);
    if (page.triangle) {
        page.cevians = ceviansOf(first, second);
        if (exact)
            page.exact = *exact;
        // The given values as typed, where the rest of the triangle has no exact values; an
        // angle is read as the number it is ("12", "36°52′").
        for (const Fact* fact : {&first, &second}) {
            const GivenElement* given = valueOf(*fact);
            if (!given || page.exact[static_cast<std::size_t>(given->element)].exists())
                continue;
            page.exact[static_cast<std::size_t>(given->element)] =
                given->exact.exists() || !IsAngle(given->element)
                    ? given->exact
                    : ExactNumber::fromDouble(given->value);
        }
        // What the drawing shows, in words, with its values as it writes them.
        page.description = drawing::DescribeDrawing(*page.triangle, region, &page.exact, true);
        if (page.projections)
            page.description += drawing::DescribeProjections(*page.triangle, region, &page.exact);
    }
    return page;
}

namespace {

SolutionPage pageOf(const Fact& first, const Fact& second, int which, const NumberFormat& region,
                    ExactElements* exact)
{
    const GivenElement* x = valueOf(first);
    const GivenElement* y = valueOf(second);
    if (x && y && which == 0)
        return ElementSolutionPageOf(*x, *y, {}, region, exact);

    SolutionPage page;
    page.steps = Filled(texts::ElementStepsGiven, {{"first", givenText(first, region)},
                                                   {"second", givenText(second, region)}});
    Steps steps(region);
    Steps rest(region);
    const FactSolution solved = SolveFacts(first, second, which, &steps, &rest);
    if (!solved.ok()) {
        page.steps += '\n' + ElementRefusalMessage(solved.fault(), {}, {}, region);
        return page;
    }
    for (const Step& step : steps.list())
        page.steps += StepLines(step, region, true);
    page.steps += '\n';
    page.steps += texts::StepsRest;
    for (const Step& step : rest.list())
        page.steps += '\n' + StepLine(step, region, true);
    page.steps +=
        '\n' + TrigonometricLines(solved.value().triangle, region, &rest, rest.showsExact());
    if (exact && rest.showsExact()) {
        for (int i = 0; i < ElementCount; ++i)
            (*exact)[static_cast<std::size_t>(i)] =
                rest.exactOf(ElementSymbol(static_cast<Element>(i)));
    }
    page.triangle = solved.value().triangle;
    page.projections = showsProjections(first) || showsProjections(second);
    page.angleMinutes = true;
    return page;
}

} // namespace

std::array<std::string, ElementCount> FactNumberTexts(const Fact& first, const Fact& second,
                                                      int which, const TriangleDetails& triangle,
                                                      const NumberFormat& region)
{
    const GivenElement* x = valueOf(first);
    const GivenElement* y = valueOf(second);
    if (x && y && which == 0)
        return ElementNumberTexts(x->element, x->value, y->element, y->value, triangle, region);
    std::array<std::string, ElementCount> texts;
    for (int i = 0; i < ElementCount; ++i) {
        const auto element = static_cast<Element>(i);
        if (!IsAngle(element))
            texts[static_cast<std::size_t>(i)] =
                FormatFieldNumber(ElementOf(triangle, element), region);
    }
    return texts;
}

} // namespace triangle
