#include "window/solution/solution_steps.h"

#include "solver/formula/formula.h"
#include "solver/variant/triangle_details.h"
#include "tests/lines_of.h"
#include "tests/regions.h"
#include "window/main_form/row_details.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <vector>

using namespace triangle;

namespace {

// Pages of textbook problems and the lines they must hold, worked by hand: each simplification
// of the exact forms, the special angles, and the limits where a step shows the decimal alone.
struct ExactCase {
    const char* name;
    Element first;
    double x;
    Element second;
    double y;
    std::vector<std::string> lines;
};

TEST(ExactSteps, WriteEachResultAsTheTextbookDoesBeforeItsDecimal)
{
    const ExactCase cases[] = {
        {"legAndHypotenuse: square-free radicand, root in a denominator, special angles",
         Element::a,
         5,
         Element::c,
         10,
         {"b = √(c² − a²) = √(10² − 5²) = √75 = 5√3 ≈ 8,660",
          "P = a + b + c = 5 + 5√3 + 10 = 15 + 5√3 ≈ 23,660",
          "S = a·b / 2 = 5·5√3 / 2 = 25√3/2 ≈ 21,651", "tg α = a / b = √3/3 ⇒ α = 30°",
          "tg β = b / a = √3 ⇒ β = 60°", "a₁ = a² / c = 5² / 10 = 2,5",
          "b₁ = b² / c = (5√3)² / 10 = 7,5",
          "r = a·b / (a + b + c) = 5·5√3 / (5 + 5√3 + 10) = (5√3 − 5)/2 ≈ 1,830",
          "R = c / 2 = 10 / 2 = 5"}},
        {"hypotenuseAndArea: a nested root denested",
         Element::c,
         10,
         Element::S,
         21,
         {"s = √(c² + 4·S) = √(10² + 4·21) = √184 = 2√46 ≈ 13,565",
          "t = √(s² − 8·S) = √((2√46)² − 8·21) = √16 = 4",
          "b = (s + t) / 2 = (2√46 + 4) / 2 = 2 + √46 ≈ 8,782",
          "a = √(c² − b²) = √(10² − (2 + √46)²) = √(50 − 4√46) = √46 − 2 ≈ 4,782"}},
        {"hypotenuseAndAngle: the given angle's sine, cosine and tangent",
         Element::c,
         10,
         Element::alpha,
         30,
         {"sin 30° = 1/2, cos 30° = √3/2, tg 30° = √3/3",
          "sin α = a / c ⇒ a = c·sin α = 10·sin 30° = 5",
          "cos α = b / c ⇒ b = c·cos α = 10·cos 30° = 5√3 ≈ 8,660",
          "β = 90° − α = 90° − 30° = 60°"}},
        {"fifteenDegrees",
         Element::c,
         4,
         Element::alpha,
         15,
         {"sin 15° = (√6 − √2)/4, cos 15° = (√2 + √6)/4, tg 15° = 2 − √3",
          "sin α = a / c ⇒ a = c·sin α = 4·sin 15° = √6 − √2 ≈ 1,035"}},
        {"projections: integers as integers, an angle that is no special one in degrees and "
         "minutes",
         Element::a1,
         9,
         Element::b1,
         16,
         {"c = a₁ + b₁ = 9 + 16 = 25", "h = √(a₁·b₁) = √(9·16) = √144 = 12",
          "a = √(a₁·c) = √(9·25) = √225 = 15", "tg α = a / b = 3/4 ⇒ α ≈ 36°52′"}},
        {"a fraction in lowest terms, like terms collected",
         Element::a,
         1,
         Element::b,
         2,
         {"c = √(a² + b²) = √(1² + 2²) = √5 ≈ 2,236", "h = a·b / c = 1·2 / √5 = 2√5/5 ≈ 0,894",
          "a₁ = a² / c = 1² / √5 = √5/5 ≈ 0,447"}},
        {"22,5°: nested roots that do not denest keep the decimal",
         Element::c,
         10,
         Element::alpha,
         22.5,
         {"sin α = a / c ⇒ a = c·sin α = 10·sin 22,5° ≈ 3,827"}},
        {"isosceles within rounding: no exact triangle has the values",
         Element::c,
         10,
         Element::h,
         5.0004,
         {"a = c / √2 = 10,000 / √2 = 7,071"}},
        {"solved numerically: the decimal alone",
         Element::b1,
         16,
         Element::S,
         150,
         {"c = b₁ + a₁ = 16 + 9,000 ≈ 25,000"}},
        {"too long: integers of more than nine digits",
         Element::a,
         1234567.891,
         Element::b,
         2,
         {"c = √(a² + b²) = √(1\u00A0234\u00A0567,891² + 2²) ≈ 1\u00A0234\u00A0567,891"}},
    };
    for (const ExactCase& c : cases) {
        const SolutionPage page =
            ElementSolutionPageOf(c.first, c.x, c.second, c.y, {}, regions::bgBG());
        const std::vector<std::string> lines = linesOf(page.steps);
        for (const std::string& line : c.lines) {
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end())
                << c.name << ": no line " << line << "\n"
                << page.steps;
        }
    }
}

TEST(ExactSteps, TheWholeTriangleOfARowGivesTheExactValueBesideTheDecimal)
{
    const Solution row = Solve(0, "5", "10");
    ASSERT_TRUE(row.ok());
    const Steps exact = ExactValuesOfRow(0, 5, 10, regions::bgBG());
    const std::vector<std::string> lines =
        linesOf(RowDetailsText(*DetailsOf(row.value()), regions::bgBG(), &exact));
    for (const char* line : {"катет a = 5,000", "катет b = 5√3 ≈ 8,660",
                             "периметър P = 15 + 5√3 ≈ 23,660", "ъгъл α срещу катета a = 30,000°",
                             "радиус на вписаната окръжност r = (5√3 − 5)/2 ≈ 1,830"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

// The exact values are worked out beside the doubles: the same steps give the same bits
// with or without them.
TEST(ExactSteps, LeaveTheDecimalsBitForBit)
{
    std::mt19937_64 random(11);
    std::uniform_int_distribution<int> element(0, ElementCount - 1);
    std::uniform_int_distribution<int> tenths(1, 200);
    for (int n = 0; n < 3000; ++n) {
        const auto first = static_cast<Element>(element(random));
        const auto second = static_cast<Element>(element(random));
        const double x = tenths(random) / 10.0;
        const double y = tenths(random) / 10.0;
        Steps with(regions::bgBG(), true), withRest(regions::bgBG(), true);
        Steps without(regions::bgBG(), false), withoutRest(regions::bgBG(), false);
        const auto exact = SolveElementValues(first, x, second, y, &with, &withRest);
        const auto plain = SolveElementValues(first, x, second, y, &without, &withoutRest);
        ASSERT_EQ(exact.ok(), plain.ok());
        if (!exact.ok())
            continue;
        for (int i = 0; i < ElementCount; ++i) {
            const auto e = static_cast<Element>(i);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(ElementOf(exact.value(), e)),
                      std::bit_cast<std::uint64_t>(ElementOf(plain.value(), e)));
        }
        ASSERT_EQ(with.list().size(), without.list().size());
        for (std::size_t i = 0; i < with.list().size(); ++i)
            EXPECT_EQ(std::bit_cast<std::uint64_t>(with.list()[i].result),
                      std::bit_cast<std::uint64_t>(without.list()[i].result));
    }
}

} // namespace
