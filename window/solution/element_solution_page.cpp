#include "solver/element/exact_legs.h"
#include "solver/exact/exact_text.h"
#include "solver/exact/special_angles.h"
#include "solver/formula/formula.h"
#include "window/drawing/solution_drawing.h"
#include "window/solution/solution_steps.h"
#include "window/solution/trigonometric_lines.h"
#include "window/text/angle_text.h"
#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"

namespace triangle {

namespace {

// "sin 30° = 1/2, cos 30° = √3/2, tg 30° = √3/3" for a given angle whose sine, cosine and
// tangent a textbook writes exactly; nothing for any other.
std::string specialAngleLine(Element element, double degrees, const NumberFormat& region)
{
    if (!IsAngle(element))
        return {};
    const ExactNumber angle = ExactNumber::fromDouble(degrees);
    const auto written = WriteExact(angle, region);
    const auto sine = WriteExact(ExactSine(angle), region, RationalForm::Fraction);
    const auto cosine = WriteExact(ExactCosine(angle), region, RationalForm::Fraction);
    const auto tangent = WriteExact(ExactTangent(angle), region, RationalForm::Fraction);
    if (!written || !sine || !cosine || !tangent)
        return {};
    const std::string at = *written + texts::Degree;
    return "\nsin " + at + " = " + *sine + ", cos " + at + " = " + *cosine + ", tg " + at + " = " +
           *tangent;
}

bool showsProjections(Element element)
{
    return element == Element::h || element == Element::a1 || element == Element::b1;
}

} // namespace

std::string GivenValueText(const GivenElement& given, const NumberFormat& region)
{
    if (IsAngle(given.element))
        return NamedExactAngle(ElementSymbol(given.element), given.value);
    // As typed, the way the book writes it: "15", "7,5", "5/13", "2√3"; a value known only
    // as a decimal to three decimals.
    std::string value = FormatFieldNumber(given.value, region);
    const RationalForm form =
        FitsThreeDecimals(given.exact) ? RationalForm::Decimal : RationalForm::Fraction;
    value = WriteExact(given.exact, region, form).value_or(value);
    return std::string(ElementSymbol(given.element)) + " = " + value;
}

SolutionPage ElementSolutionPageOf(Element first, double firstValue, Element second,
                                   double secondValue, const std::string& message,
                                   const NumberFormat& region, bool exact)
{
    return ElementSolutionPageOf({first, firstValue, {}}, {second, secondValue, {}}, message,
                                 region, nullptr, exact);
}

SolutionPage ElementSolutionPageOf(const GivenElement& firstGiven, const GivenElement& secondGiven,
                                   const std::string& message, const NumberFormat& region,
                                   ExactElements* exactElements, bool exact)
{
    const Element first = firstGiven.element;
    const Element second = secondGiven.element;
    const double firstValue = firstGiven.value;
    const double secondValue = secondGiven.value;
    SolutionPage page;
    page.steps =
        Filled(texts::ElementStepsGiven, {{"first", GivenValueText(firstGiven, region)},
                                          {"second", GivenValueText(secondGiven, region)}});
    Steps steps(region, exact);
    Steps rest(region, exact);
    const ElementSolution solved = message.empty()
                                       ? SolveGivenElements(firstGiven, secondGiven, &steps, &rest)
                                       : ElementSolution(ElementRefusal{});
    if (!message.empty() || !solved.ok()) {
        page.steps += '\n';
        page.steps +=
            message.empty() ? ElementRefusalMessage(solved.fault(), {}, {}, region) : message;
        return page;
    }
    // A pair solved numerically whose legs the book writes exactly: the rest from them.
    if (exact)
        facts::WriteExactRest(firstGiven, secondGiven, solved.value(), steps, rest);
    if (steps.showsExact()) {
        page.steps += specialAngleLine(first, firstValue, region);
        page.steps += specialAngleLine(second, secondValue, region);
    }
    for (const Step& step : steps.list())
        page.steps += StepLines(step, region, true);
    page.steps += '\n';
    page.steps += texts::StepsRest;
    for (const Step& step : rest.list())
        page.steps += '\n' + StepLine(step, region, true);
    page.steps += '\n' + TrigonometricLines(solved.value(), region, &rest, rest.showsExact());
    if (exactElements && rest.showsExact()) {
        for (int i = 0; i < ElementCount; ++i)
            (*exactElements)[static_cast<std::size_t>(i)] =
                rest.exactOf(ElementSymbol(static_cast<Element>(i)));
    }
    page.triangle = solved.value();
    page.projections = showsProjections(first) || showsProjections(second);
    page.angleMinutes = true;
    page.description = drawing::DescribeDrawing(*page.triangle, region, exactElements, true);
    if (page.projections)
        page.description += drawing::DescribeProjections(*page.triangle, region, exactElements);
    return page;
}

} // namespace triangle
