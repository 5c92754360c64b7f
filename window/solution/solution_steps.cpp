#include "window/solution/solution_steps.h"

#include "solver/exact/tie_rounding.h"
#include "solver/formula/formula.h"
#include "solver/variant/triangle_details.h"
#include "solver/variant/variant_solver.h"
#include "window/drawing/solution_drawing.h"
#include "window/main_form/row_details.h"
#include "window/main_form/row_outcome.h"
#include "window/solution/trigonometric_lines.h"
#include "window/text/angle_text.h"
#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"

#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>

namespace triangle {

namespace {

FieldNumber valueIn(const RowFields& row, std::int16_t column)
{
    const FieldNumber values[ColumnCount] = {row.a, row.c, row.P, row.S};
    return values[column];
}

// "Вариант 1. Дадени: a = 3,000 и c = 5,000."
std::string givenLine(std::int16_t k, double first, double second, const NumberFormat& region)
{
    const GivenColumns columns = GivenColumnsOf(k);
    std::string line = texts::StepsGiven;
    Fill(line, "variant", texts::Variants[k]);
    Fill(line, "first",
         std::string(texts::ColumnHeads[columns.first]) + " = " + FormatFieldNumber(first, region));
    Fill(line, "second",
         std::string(texts::ColumnHeads[columns.second]) + " = " +
             FormatFieldNumber(second, region));
    return line;
}

// Solves variant k from the given values again, this time keeping its steps, and adds the
// rest of the triangle's; the same doubles give the same triangle bit for bit.
struct Worked {
    std::optional<TriangleDetails> triangle;
    std::string text;
    std::string whole;
};

Worked work(std::int16_t k, double first, double second, const NumberFormat& region, bool exact)
{
    Worked worked;
    Steps variant(region, exact);
    const Solution solved = SolveValues(k, first, second, &variant);
    if (!solved.ok())
        return worked;
    Steps rest(region, exact);
    rest.continueFrom(variant);
    worked.triangle = DetailsOf(solved.value(), &rest);
    for (const Step& step : variant.list())
        worked.text += StepLines(step, region);
    worked.text += '\n';
    worked.text += texts::StepsRest;
    for (const Step& step : rest.list())
        worked.text += '\n' + StepLine(step, region);
    worked.text += '\n' + TrigonometricLines(*worked.triangle, region, &rest, rest.showsExact());
    worked.whole = RowDetailsText(*worked.triangle, region, &rest);
    return worked;
}

// The variant and given values of the triangle at the bound a refusal names, where that is
// a triangle: the isosceles one with the given hypotenuse or perimeter.
struct AtBound {
    std::int16_t k;
    double first;
    double second;
};

std::optional<AtBound> triangleAtBound(const Refusal& refusal)
{
    if (!refusal.first || !refusal.second || !refusal.bound)
        return std::nullopt;
    switch (refusal.reason) {
    case RefusalReason::AreaTooLargeForHypotenuse:     // c, S ≤ c²/4
    case RefusalReason::PerimeterTooLongForHypotenuse: // c, P ≤ (1 + √2)·c
    case RefusalReason::AreaTooLargeForPerimeter:      // P, S ≤ (3 − 2√2)·P²/4
        break;
    default:
        return std::nullopt;
    }
    // The bound stands in for the given quantity it limits.
    const GivenColumns columns = GivenColumnsOf(refusal.variant);
    if (refusal.column == columns.second)
        return AtBound{refusal.variant, *refusal.first, *refusal.bound};
    return AtBound{refusal.variant, *refusal.bound, *refusal.second};
}

// Values that lie on a flat bound, a = c, P = 2c or P = 2a, give a triangle flattened into a
// segment; values past it give none at all.
bool onFlatBound(const Refusal& refusal)
{
    if (refusal.reason != RefusalReason::LegNotShorterThanHypotenuse &&
        refusal.reason != RefusalReason::PerimeterTooShortForHypotenuse &&
        refusal.reason != RefusalReason::PerimeterTooShortForLeg)
        return false;
    const std::optional<double>& limited =
        GivenColumnsOf(refusal.variant).first == refusal.column ? refusal.first : refusal.second;
    return limited && refusal.bound && *limited == *refusal.bound;
}

} // namespace

std::string StepLines(const Step& step, const NumberFormat& region, bool angleMinutes)
{
    // The line that says what a step's quantity is, or where it comes from, before it.
    static constexpr std::pair<StepNote, const char*> saying[] = {
        {StepNote::SumOfLegs, texts::StepsSumOfLegs},
        {StepNote::LegsDifferenceAMinusB, texts::StepsLegsDifferenceAMinusB},
        {StepNote::LegsDifferenceBMinusA, texts::StepsLegsDifferenceBMinusA},
        {StepNote::SquareOfBAsProduct, texts::StepsSquareOfBAsProduct},
        {StepNote::SquareOfAAsProduct, texts::StepsSquareOfAAsProduct},
        {StepNote::LegsDifferenceFromSum, texts::StepsLegsDifferenceFromSum},
    };
    const char* said = nullptr;
    for (const auto& [note, text] : saying)
        if (note == step.note)
            said = text;
    std::string lines;
    if (said)
        lines = '\n' + std::string(said);
    else if (step.note == StepNote::SolvedNumerically)
        lines = '\n' + Filled(texts::StepsSolvedNumerically,
                              {{"name", step.name}, {"equation", step.formula}});
    return lines + '\n' + StepLine(step, region, angleMinutes);
}

namespace {

// "tg α = a / b = 7/24 ⇒ α ≈ 16°16′", "tg α = √3/3 ⇒ α = 30°"; in "Решение", with the row's
// three decimals first, "⇒ α = 16,260° ≈ 16°16′".
std::string tangentLine(const Step& step, const NumberFormat& region, bool angleMinutes)
{
    std::string line = texts::StepsTangent + step.name + " = " + step.tangentFormula;
    if (!step.tangentExact.empty())
        line += " = " + step.tangentExact;
    else
        line += " = " + step.tangentSubstituted + " = " + FormatFieldNumber(step.tangent, region);
    line += texts::StepsTherefore + step.name;
    if (!step.exactResult.empty())
        return line + " = " + step.exactResult + step.unit;
    if (IsSpecialAngle(step.result))
        return line + " = " + AngleFieldText(step.result, region);
    if (angleMinutes)
        return line + " ≈ " + WriteDegreesMinutes(step.result);
    return line + " = " + FormatFieldNumber(step.result, region) + step.unit + " ≈ " +
           WriteDegreesMinutes(step.result);
}

// "sin α = a / c ⇒ " before "a = c·sin α": a side found by a trigonometric value of an
// angle, x = y·sin α or x = y / sin α, is a ratio of two sides first, as the book says it;
// nothing before any other formula.
std::string ratioFirst(const Step& step)
{
    const auto isSide = [](std::string_view name) {
        for (int i = 0; i < MeasuredElementCount; ++i) {
            const auto element = static_cast<Element>(i);
            if (!IsAngle(element) && name == ElementSymbol(element))
                return true;
        }
        return false;
    };
    const auto isRatio = [](std::string_view name) {
        for (int i = MeasuredElementCount; i < ElementCount; ++i) {
            if (name == ElementSymbol(static_cast<Element>(i)))
                return true;
        }
        return false;
    };
    if (!isSide(step.name))
        return {};
    const std::string_view formula = step.formula;
    for (const std::string_view sign : {std::string_view("·"), std::string_view(" / ")}) {
        const std::size_t at = formula.find(sign);
        if (at == std::string_view::npos)
            continue;
        const std::string_view side = formula.substr(0, at);
        const std::string_view ratio = formula.substr(at + sign.size());
        if (!isSide(side) || !isRatio(ratio))
            continue;
        // x = y·f ⇒ f = x / y; x = y / f ⇒ f = y / x.
        const bool times = sign == "·";
        return std::string(ratio) + " = " + std::string(times ? step.name : side) + " / " +
               std::string(times ? side : step.name) + texts::StepsTherefore;
    }
    return {};
}

// Whether a line already ends in a form, spaced otherwise: "√(9 / 16)" and "√(9/16)".
bool endsWithUnspaced(std::string_view line, std::string_view form)
{
    auto l = line.rbegin();
    auto f = form.rbegin();
    while (f != form.rend()) {
        if (*f == ' ') {
            ++f;
            continue;
        }
        while (l != line.rend() && *l == ' ')
            ++l;
        if (l == line.rend() || *l != *f)
            return false;
        ++l;
        ++f;
    }
    return true;
}

} // namespace

std::string StepLine(const Step& step, const NumberFormat& region, bool angleMinutes)
{
    if (step.fromTangent)
        return tangentLine(step, region, angleMinutes);
    if (step.note == StepNote::RadicandWithinRounding)
        return Filled(texts::StepsIsoscelesWithinRounding,
                      {{"radicand", step.formula}, {"value", MessageNumber(step.result, region)}});
    if (step.note == StepNote::BoundWithinRounding)
        return Filled(texts::StepsBoundWithinRounding,
                      {{"bound", step.formula}, {"value", MessageNumber(step.result, region)}});
    if (step.note == StepNote::SolvedNumerically)
        return step.name + " = " + FormatFieldNumber(step.result, region);
    const std::string result = FormatRoundedByHand(
        step.result, 0.0, [&] { return step.exactValue; }, region);
    // An angle in the window of any two elements: "≈ 16°16′", a special angle "= 30°".
    const bool minutes = angleMinutes && step.unit == texts::Degree;
    std::string line = ratioFirst(step) + step.name + " = " + step.formula;
    // "b = √(c² − a²) = √(10² − 5²) = √75 = 5√3 ≈ 8,660": the exact forms, then the decimal
    // unless the exact result is a short decimal itself.
    if (!step.exactResult.empty()) {
        // A formula whose exact values make it longer than a line reads well is left out.
        constexpr std::size_t longest = 120; // bytes: about 80 characters
        for (const std::string* form : {&step.exactSubstituted, &step.exactRadicand}) {
            if (!form->empty() && *form != step.exactResult && !endsWithUnspaced(line, *form) &&
                form->size() <= longest)
                line += " = " + *form;
        }
        line += " = " + step.exactResult + step.unit;
        if (!step.exactIsShort)
            line += minutes ? " ≈ " + WriteDegreesMinutes(step.result) : " ≈ " + result + step.unit;
        return line;
    }
    // A quantity that is another one, b = a, has nothing to put in; a formula of numbers
    // alone, 90°·1 / (1 + 5), has them in already.
    if (step.substituted != result && step.substituted != step.formula)
        line += " = " + step.substituted;
    if (minutes)
        return line + (IsSpecialAngle(step.result) ? " = " + AngleFieldText(step.result, region)
                                                   : " ≈ " + WriteDegreesMinutes(step.result));
    return line + (step.rounded ? " ≈ " : " = ") + result + step.unit;
}

SolutionPage SolutionPageOf(const RowOutcome& outcome, const NumberFormat& region, bool exact)
{
    SolutionPage page;
    const std::int16_t k = outcome.variant;
    if (outcome.state == RowState::Solved) {
        const GivenColumns columns = GivenColumnsOf(k);
        const FieldNumber first = valueIn(outcome.row, columns.first);
        const FieldNumber second = valueIn(outcome.row, columns.second);
        if (!first || !second)
            return page;
        Worked worked = work(k, *first, *second, region, exact);
        page.triangle = worked.triangle;
        page.whole = std::move(worked.whole);
        page.steps = givenLine(k, *first, *second, region) + worked.text;
    } else if (outcome.state == RowState::Refused && outcome.refusal) {
        const Refusal& refusal = *outcome.refusal;
        if (refusal.first && refusal.second)
            page.steps = givenLine(k, *refusal.first, *refusal.second, region) + '\n';
        page.steps += outcome.message;
        if (const std::optional<AtBound> bound = triangleAtBound(refusal)) {
            Worked worked = work(bound->k, bound->first, bound->second, region, exact);
            if (worked.triangle) {
                page.triangle = worked.triangle;
                page.whole = std::move(worked.whole);
                page.steps += '\n';
                page.steps += texts::StepsAtBound;
                page.steps +=
                    '\n' + givenLine(bound->k, bound->first, bound->second, region) + worked.text;
            }
        } else if (onFlatBound(refusal)) {
            page.steps += '\n';
            page.steps += texts::StepsDegenerate;
        }
    } else {
        page.steps = texts::NoDrawing;
    }
    if (page.triangle)
        page.description = drawing::DescribeDrawing(*page.triangle, region);
    page.empty = texts::NoDrawing;
    return page;
}

} // namespace triangle
