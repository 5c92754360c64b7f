#include "window/solution/solution_steps.h"

#include "solver/exact/exact_number.h"
#include "solver/formula/steps.h"
#include "solver/variant/triangle_details.h"
#include "solver/variant/variant_solver.h"
#include "tests/lines_of.h"
#include "tests/regions.h"
#include "window/main_form/row_details.h"
#include "window/main_form/row_outcome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace triangle;

namespace {

// Each line of `expected` is a line of `text`.
void expectLines(const std::string& text, const std::vector<std::string>& expected)
{
    const std::vector<std::string> lines = linesOf(text);
    for (const std::string& line : expected)
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end())
            << "no line " << line << "\n"
            << text;
}

ExactNumber fraction(std::int64_t p, std::int64_t q)
{
    return ExactNumber::integer(p) / ExactNumber::integer(q);
}

// sin α = 5/13 and c = 26, by hand: sin α = a / c gives a = 26·5/13 = 10, cos α =
// √(1 − 25/169) = 12/13 and b = 26·12/13 = 24; tg α = 10/24 = 5/12, and arctg(5/12) =
// 22,6199° = 22°37,19′, so α ≈ 22°37′. The whole triangle's values follow from 10, 24, 26.
TEST(TextbookSteps, ASideFromTheSineSaysTheRatioFirstAndTheValuesLast)
{
    const SolutionPage page =
        ElementSolutionPageOf({Element::sinAlpha, 5.0 / 13.0, fraction(5, 13)},
                              {Element::c, 26.0, ExactNumber::integer(26)}, {}, regions::bgBG());
    expectLines(page.steps,
                {"sin α = a / c ⇒ a = c·sin α = 26·5/13 = 10",
                 "cos α = b / c ⇒ b = c·cos α = 26·12/13 = 24", "tg α = a / b = 5/12 ⇒ α ≈ 22°37′",
                 "sin α = 5/13, cos α = 12/13, tg α = 5/12, cotg α = 12/5",
                 "sin β = 12/13, cos β = 5/13, tg β = 12/5, cotg β = 5/12"});
}

// tg α = √3/3 and b = 6, by hand: cos α = 1/√(1 + 1/3) = √3/2, so c = 6 / (√3/2) = 12/√3 =
// 4√3 ≈ 6,928 (a fraction as a divisor keeps its brackets); a = 2√3 and α = 30° exactly,
// β = 60°, and the table of 30° and 60°.
TEST(TextbookSteps, ASpecialAngleFromItsTangentIsExact)
{
    const ExactNumber tangent = sqrt(ExactNumber::integer(3)) / ExactNumber::integer(3);
    const SolutionPage page =
        ElementSolutionPageOf({Element::tgAlpha, ApproximateValue(tangent), tangent},
                              {Element::b, 6.0, ExactNumber::integer(6)}, {}, regions::bgBG());
    expectLines(page.steps, {"cos α = b / c ⇒ c = b / cos α = 6 / (√3/2) = 4√3 ≈ 6,928",
                             "tg α = a / b = √3/3 ⇒ α = 30°", "tg β = b / a = √3 ⇒ β = 60°",
                             "sin α = 1/2, cos α = √3/2, tg α = √3/3, cotg α = √3",
                             "sin β = √3/2, cos β = 1/2, tg β = √3, cotg β = √3/3"});
}

// The legs 7 and 24 (c = 25) in the window of any two elements: exact ratios in the book's
// fractions, though 7/25 = 0,28 has a short decimal. Typed as decimals of three decimals
// (7,001 and 24,000), the same lines in decimals: c = √625,014001 = 25,00028, 7,001/c =
// 0,28004, 24/c = 0,95999, 7,001/24 = 0,29171, 24/7,001 = 3,42808.
TEST(TextbookSteps, TheWholeTriangleEndsWithTheValuesOfBothAngles)
{
    const SolutionPage exact =
        ElementSolutionPageOf({Element::a, 7.0, ExactNumber::integer(7)},
                              {Element::b, 24.0, ExactNumber::integer(24)}, {}, regions::bgBG());
    expectLines(exact.steps, {"sin α = 7/25, cos α = 24/25, tg α = 7/24, cotg α = 24/7",
                              "sin β = 24/25, cos β = 7/25, tg β = 24/7, cotg β = 7/24"});
    const SolutionPage decimals =
        ElementSolutionPageOf(Element::a, 7.001, Element::b, 24.0, {}, regions::bgBG());
    expectLines(decimals.steps, {"sin α = 0,280, cos α = 0,960, tg α = 0,292, cotg α = 3,428",
                                 "sin β = 0,960, cos β = 0,280, tg β = 3,428, cotg β = 0,292"});
}

// Variant 1, a = 3 and c = 5: the main window's whole triangle (its fields' tooltip) ends with
// the two lines in three decimals (3/5, 4/5, 3/4, 4/3); "Решение" of the row writes them as
// fractions, its angles with degrees and minutes beside the row's decimals (arctg 0,75 =
// 36,8699° = 36°52,19′).
TEST(TextbookSteps, TheMainWindowShowsTheValuesOfBothAngles)
{
    const Solution solved = SolveValues(0, 3.0, 5.0);
    ASSERT_TRUE(solved.ok());
    const Steps exact = ExactValuesOfRow(0, 3.0, 5.0, regions::bgBG());
    expectLines(RowTipText(*DetailsOf(solved.value()), regions::bgBG(), exact),
                {"sin α = 0,600, cos α = 0,800, tg α = 0,750, cotg α = 1,333",
                 "sin β = 0,800, cos β = 0,600, tg β = 1,333, cotg β = 0,750"});

    RowOutcome outcome;
    outcome.variant = 0;
    outcome.state = RowState::Solved;
    outcome.row.a = 3.0;
    outcome.row.c = 5.0;
    expectLines(SolutionPageOf(outcome, regions::bgBG()).steps,
                {"tg α = a / b = 3/4 ⇒ α = 36,870° ≈ 36°52′",
                 "sin α = 3/5, cos α = 4/5, tg α = 3/4, cotg α = 4/3",
                 "sin β = 4/5, cos β = 3/5, tg β = 4/3, cotg β = 3/4"});
}

} // namespace
