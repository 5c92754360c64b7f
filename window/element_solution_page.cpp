#include "solver/formula.h"
#include "window/refusal_message.h"
#include "window/solution_drawing.h"
#include "window/solution_steps.h"
#include "window/ui_texts.h"

namespace triangle {

namespace {

// "ъгъл α = 30,000°"
std::string givenValue(Element element, double value, const NumberFormat& region)
{
    std::string text =
        std::string(ElementSymbol(element)) + " = " + FormatFieldNumber(value, region);
    if (IsAngle(element))
        text += texts::Degree;
    return text;
}

bool showsProjections(Element element)
{
    return element == Element::h || element == Element::a1 || element == Element::b1;
}

} // namespace

SolutionPage ElementSolutionPageOf(Element first, double firstValue, Element second,
                                   double secondValue, const std::string& message,
                                   const NumberFormat& region)
{
    SolutionPage page;
    page.steps =
        Filled(texts::ElementStepsGiven, {{"first", givenValue(first, firstValue, region)},
                                          {"second", givenValue(second, secondValue, region)}});
    Steps steps(region);
    Steps rest(region);
    const ElementSolution solved =
        message.empty() ? SolveElementValues(first, firstValue, second, secondValue, &steps, &rest)
                        : ElementSolution(ElementRefusal{});
    if (!message.empty() || !solved.ok()) {
        page.steps += '\n';
        page.steps +=
            message.empty() ? ElementRefusalMessage(solved.fault(), {}, {}, region) : message;
        return page;
    }
    for (const Step& step : steps.list())
        page.steps += StepLines(step, region);
    page.steps += '\n';
    page.steps += texts::StepsRest;
    for (const Step& step : rest.list())
        page.steps += '\n' + StepLine(step, region);
    page.triangle = solved.value();
    page.projections = showsProjections(first) || showsProjections(second);
    page.description = drawing::DescribeDrawing(*page.triangle, region);
    return page;
}

} // namespace triangle
