#include "window/solution/solution_steps.h"

#include "solver/formula/formula.h"
#include "solver/number/field_text_check.h"
#include "solver/variant/variant_solver.h"
#include "tests/lines_of.h"
#include "tests/regions.h"
#include "window/main_form/row_outcome.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace triangle;

namespace {

RowOutcome solvedRow(std::int16_t k, const char* first, const char* second)
{
    const Solution solved = Solve(k, first, second);
    RowOutcome outcome;
    outcome.variant = k;
    if (!solved.ok())
        return outcome;
    outcome.state = RowState::Solved;
    outcome.row = solved.value();
    return outcome;
}

RowOutcome refusedRow(std::int16_t k, const char* first, const char* second)
{
    const Solution solved = Solve(k, first, second);
    RowOutcome outcome;
    outcome.variant = k;
    outcome.state = RowState::Refused;
    if (!solved.ok())
        outcome.refusal = solved.fault();
    outcome.message = "Обяснението.";
    return outcome;
}

// The trigonometric values of both angles end the steps, ratios of the sides: 3/5 = 0,600,
// 4/5 = 0,800, 3/4 = 0,750, 4/3 = 1,333; √2/2 = 0,707 for 45°.
struct StepsCase {
    const char* name;
    std::int16_t k;
    const char* first;
    const char* second;
    std::vector<std::string> lines; // worked by hand, in the Bulgarian region
};

void PrintTo(const StepsCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<std::string> restOf345 = {
    "Останалите елементи на триъгълника:",
    "tg α = a / b = 3,000 / 4,000 = 0,750 ⇒ α = 36,870° ≈ 36°52′",
    "tg β = b / a = 4,000 / 3,000 = 1,333 ⇒ β = 53,130° ≈ 53°8′",
    "h = a·b / c = 3,000·4,000 / 5,000 = 2,400",
    "r = a·b / (a + b + c) = 3,000·4,000 / (3,000 + 4,000 + 5,000) = 1,000",
    "R = c / 2 = 5,000 / 2 = 2,500",
    "a₁ = a² / c = 3,000² / 5,000 = 1,800",
    "b₁ = b² / c = 4,000² / 5,000 = 3,200",
    "sin α = 0,600, cos α = 0,800, tg α = 0,750, cotg α = 1,333",
    "sin β = 0,800, cos β = 0,600, tg β = 1,333, cotg β = 0,750",
};

std::vector<std::string> joined(std::vector<std::string> head, const std::vector<std::string>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

class SolutionSteps : public testing::TestWithParam<StepsCase> {};

TEST_P(SolutionSteps, FollowTheVariantsFormulasInTheirOrderWithTheNumbersPutIn)
{
    const StepsCase& c = GetParam();
    const SolutionPage page =
        SolutionPageOf(solvedRow(c.k, c.first, c.second), regions::bgBG(), false);
    EXPECT_EQ(linesOf(page.steps), c.lines);
    ASSERT_TRUE(page.triangle.has_value());
    EXPECT_FALSE(page.description.empty());
}

const StepsCase stepsCases[] = {
    {"legAndHypotenuse", 0, "3", "5",
     joined({"Вариант 1. Дадени: a = 3,000 и c = 5,000.",
             "b = √(c² − a²) = √(5,000² − 3,000²) = 4,000",
             "P = a + b + c = 3,000 + 4,000 + 5,000 = 12,000",
             "S = a·b / 2 = 3,000·4,000 / 2 = 6,000"},
            restOf345)},
    {"legAndArea", 1, "3", "6",
     joined({"Вариант 2. Дадени: a = 3,000 и S = 6,000.", "b = 2·S / a = 2·6,000 / 3,000 = 4,000",
             "c = √(a² + b²) = √(3,000² + 4,000²) = 5,000",
             "P = a + b + c = 3,000 + 4,000 + 5,000 = 12,000"},
            restOf345)},
    {"hypotenuseAndArea",
     2,
     "5",
     "6",
     {"Вариант 3. Дадени: c = 5,000 и S = 6,000.",
      "s = a + b, сборът на катетите:", "s = √(c² + 4·S) = √(5,000² + 4·6,000) = 7,000",
      "t = a − b, разликата на катетите:", "t = √(s² − 8·S) = √(7,000² − 8·6,000) = 1,000",
      "a = (s + t) / 2 = (7,000 + 1,000) / 2 = 4,000",
      "b = √(c² − a²) = √(5,000² − 4,000²) = 3,000",
      "P = a + b + c = 4,000 + 3,000 + 5,000 = 12,000", "Останалите елементи на триъгълника:",
      "tg α = a / b = 4,000 / 3,000 = 1,333 ⇒ α = 53,130° ≈ 53°8′",
      "tg β = b / a = 3,000 / 4,000 = 0,750 ⇒ β = 36,870° ≈ 36°52′",
      "h = a·b / c = 4,000·3,000 / 5,000 = 2,400",
      "r = a·b / (a + b + c) = 4,000·3,000 / (4,000 + 3,000 + 5,000) = 1,000",
      "R = c / 2 = 5,000 / 2 = 2,500", "a₁ = a² / c = 4,000² / 5,000 = 3,200",
      "b₁ = b² / c = 3,000² / 5,000 = 1,800",
      "sin α = 0,800, cos α = 0,600, tg α = 1,333, cotg α = 0,750",
      "sin β = 0,600, cos β = 0,800, tg β = 0,750, cotg β = 1,333"}},
    {"hypotenuseAndPerimeter", 3, "5", "12",
     joined({"Вариант 4. Дадени: c = 5,000 и P = 12,000.",
             "r = (P − 2·c) / 2 = (12,000 − 2·5,000) / 2 = 1,000",
             "S = P·r / 2 = 12,000·1,000 / 2 = 6,000", "t = b − a, разликата на катетите:",
             "t = √((P − c)² − 8·S) = √((12,000 − 5,000)² − 8·6,000) = 1,000",
             "b = (P − c + t) / 2 = (12,000 − 5,000 + 1,000) / 2 = 4,000",
             "a = 2·S / b = 2·6,000 / 4,000 = 3,000"},
            restOf345)},
    {"perimeterAndArea", 4, "12", "6",
     joined({"Вариант 5. Дадени: P = 12,000 и S = 6,000.", "s = a + b, сборът на катетите:",
             "s = (P² + 4·S) / (2·P) = (12,000² + 4·6,000) / (2·12,000) = 7,000",
             "t = b − a, разликата на катетите:", "t = √(s² − 8·S) = √(7,000² − 8·6,000) = 1,000",
             "b = (s + t) / 2 = (7,000 + 1,000) / 2 = 4,000",
             "a = 2·S / b = 2·6,000 / 4,000 = 3,000",
             "c = P − (a + b) = 12,000 − (3,000 + 4,000) = 5,000"},
            restOf345)},
    {"legAndPerimeter", 5, "3", "12",
     joined({"Вариант 6. Дадени: a = 3,000 и P = 12,000.",
             "b = (P² − 2·P·a) / (2·P − 2·a) = (12,000² − 2·12,000·3,000) / (2·12,000 − 2·3,000) "
             "= 4,000",
             "c = P − a − b = 12,000 − 3,000 − 4,000 = 5,000",
             "S = a·b / 2 = 3,000·4,000 / 2 = 6,000"},
            restOf345)},
};
INSTANTIATE_TEST_SUITE_P(EveryVariant, SolutionSteps, testing::ValuesIn(stepsCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Given values whose radicand is below zero beyond rounding but within what typing them to
// three decimals can cause: the isosceles triangle of the given perimeter or hypotenuse,
// worked by hand. P = 0.2, S = 0.002: s = 0.048/0.4 = 0.12, s² − 8S = −0.0016, legs
// 0.2/(2 + √2) = 0.05858, c = 0.08284, h = R = c/2, r = a²/P = 0.01716. c = 10,
// P = 24.1433: r = 2.07165, S = 25.00823, (P − c)² − 8S = −0.03293, legs 10/√2 = 7.0711,
// S = 25, r = 50/24.1421 = 2.0711.
const StepsCase isoscelesWithinRoundingCases[] = {
    {"perimeterAndArea",
     4,
     "0.2",
     "0.002",
     {"Вариант 5. Дадени: P = 0,200 и S = 0,002.", "s = a + b, сборът на катетите:",
      "s = (P² + 4·S) / (2·P) = (0,200² + 4·0,002) / (2·0,200) = 0,120",
      "Подкоренната величина s² − 8·S = -0,002 е под нула само в рамките на закръглянето на "
      "дадените стойности до хилядни, затова триъгълникът е равнобедрен:",
      "a = P / (2 + √2) = 0,200 / (2 + √2) = 0,059", "b = a = 0,059",
      "c = P − (a + b) = 0,200 − (0,059 + 0,059) = 0,083",
      "Останалите елементи на триъгълника:", "tg α = a / b = 0,059 / 0,059 = 1,000 ⇒ α = 45°",
      "tg β = b / a = 0,059 / 0,059 = 1,000 ⇒ β = 45°", "h = a·b / c = 0,059·0,059 / 0,083 = 0,041",
      "r = a·b / (a + b + c) = 0,059·0,059 / (0,059 + 0,059 + 0,083) = 0,017",
      "R = c / 2 = 0,083 / 2 = 0,041", "a₁ = a² / c = 0,059² / 0,083 = 0,041",
      "b₁ = b² / c = 0,059² / 0,083 = 0,041",
      "sin α = 0,707, cos α = 0,707, tg α = 1,000, cotg α = 1,000",
      "sin β = 0,707, cos β = 0,707, tg β = 1,000, cotg β = 1,000"}},
    {"hypotenuseAndPerimeter",
     3,
     "10",
     "24.1433",
     {"Вариант 4. Дадени: c = 10,000 и P = 24,143.",
      "r = (P − 2·c) / 2 = (24,143 − 2·10,000) / 2 = 2,072",
      "S = P·r / 2 = 24,143·2,072 / 2 = 25,008",
      "Подкоренната величина (P − c)² − 8·S = -0,033 е под нула само в рамките на закръглянето "
      "на дадените стойности до хилядни, затова триъгълникът е равнобедрен:",
      "a = c / √2 = 10,000 / √2 = 7,071", "b = a = 7,071", "S = a·b / 2 = 7,071·7,071 / 2 = 25,000",
      "Останалите елементи на триъгълника:", "tg α = a / b = 7,071 / 7,071 = 1,000 ⇒ α = 45°",
      "tg β = b / a = 7,071 / 7,071 = 1,000 ⇒ β = 45°",
      "h = a·b / c = 7,071·7,071 / 10,000 = 5,000",
      "r = a·b / (a + b + c) = 7,071·7,071 / (7,071 + 7,071 + 10,000) = 2,071",
      "R = c / 2 = 10,000 / 2 = 5,000", "a₁ = a² / c = 7,071² / 10,000 = 5,000",
      "b₁ = b² / c = 7,071² / 10,000 = 5,000",
      "sin α = 0,707, cos α = 0,707, tg α = 1,000, cotg α = 1,000",
      "sin β = 0,707, cos β = 0,707, tg β = 1,000, cotg β = 1,000"}},
};
INSTANTIATE_TEST_SUITE_P(IsoscelesWithinRounding, SolutionSteps,
                         testing::ValuesIn(isoscelesWithinRoundingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SolutionStepsRegion, WritesTheRegionsSeparatorsAndGrouping)
{
    const SolutionPage period =
        SolutionPageOf(solvedRow(0, "3000", "5000"), regions::enUS(), false);
    EXPECT_EQ(linesOf(period.steps).at(1),
              "b = √(c² − a²) = √(5,000.000² − 3,000.000²) = 4,000.000");
    const SolutionPage bulgarian =
        SolutionPageOf(solvedRow(0, "3000", "5000"), regions::bgBG(), false);
    EXPECT_EQ(linesOf(bulgarian.steps).at(1),
              "b = √(c² − a²) = √(5\u00A0000,000² − 3\u00A0000,000²) = 4\u00A0000,000");
}

TEST(SolutionStepsRegion, BracketsANegativeNumberPutIn)
{
    // Variant 4 passes c = 5, P = 10.5 (P > 2c): r is 0,250; nothing negative. Variant 6
    // with a = 1 and P = 3 gives b = (9 − 6)/(6 − 2) = 0,750 and c = 1,250.
    const SolutionPage page = SolutionPageOf(solvedRow(5, "1", "3"), regions::enUS(), false);
    EXPECT_EQ(linesOf(page.steps).at(1),
              "b = (P² − 2·P·a) / (2·P − 2·a) = (3.000² − 2·3.000·1.000) / (2·3.000 − 2·1.000) "
              "= 0.750");
}

struct RefusalCase {
    const char* name;
    std::int16_t k;
    const char* first;
    const char* second;
    std::vector<std::string> lines; // worked by hand, in the period region; "…" ends a prefix
    bool drawn;                     // the triangle at the bound is drawn
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class SolutionStepsAfterRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(SolutionStepsAfterRefusal, ExplainAndShowTheTriangleAtTheBound)
{
    const RefusalCase& c = GetParam();
    const SolutionPage page =
        SolutionPageOf(refusedRow(c.k, c.first, c.second), regions::enUS(), false);
    const std::vector<std::string> lines = linesOf(page.steps);
    ASSERT_GE(lines.size(), c.lines.size()) << page.steps;
    for (std::size_t i = 0; i < c.lines.size(); ++i)
        EXPECT_EQ(lines[i], c.lines[i]) << "line " << i;
    if (!c.drawn) {
        EXPECT_EQ(lines.size(), c.lines.size()) << page.steps;
        EXPECT_FALSE(page.triangle.has_value());
        return;
    }
    ASSERT_TRUE(page.triangle.has_value());
    // Isosceles to well within the three decimals shown: legs equal, angles 45°. The bound,
    // itself rounded, leaves the root of the legs' difference a few units in the last
    // place above zero.
    EXPECT_NEAR(page.triangle->a, page.triangle->b, 1e-4);
    EXPECT_NEAR(page.triangle->alpha, 45.0, 1e-4);
}

// The isosceles triangles at the bounds, by hand: with c = 5 the legs are 5/√2 = 3.5355,
// S = c²/4 = 6.25, P = 5 + 5√2 = 12.0711; with P = 12 the legs are 12/(2 + √2) = 3.5147,
// c = 4.9706 and S = (3 − 2√2)·144/4 = 6.1766.
const RefusalCase refusalCases[] = {
    {"fieldText", 0, "x", "5", {"Обяснението."}, false},
    {"notPositive",
     1,
     "-3",
     "6",
     {"Вариант 2. Дадени: a = -3.000 и S = 6.000.", "Обяснението."},
     false},
    {"legNotShorterThanHypotenuse",
     0,
     "5",
     "5",
     {"Вариант 1. Дадени: a = 5.000 и c = 5.000.", "Обяснението.",
      "На границата триъгълникът се изражда в отсечка, затова няма чертеж."},
     false},
    // Past a flat bound there is no triangle at all, not a flattened one.
    {"legLongerThanHypotenuse",
     0,
     "5",
     "3",
     {"Вариант 1. Дадени: a = 5.000 и c = 3.000.", "Обяснението."},
     false},
    {"perimeterTooShortForHypotenuse",
     3,
     "5",
     "9",
     {"Вариант 4. Дадени: c = 5.000 и P = 9.000.", "Обяснението."},
     false},
    {"perimeterTwiceTheHypotenuse",
     3,
     "5",
     "10",
     {"Вариант 4. Дадени: c = 5.000 и P = 10.000.", "Обяснението.",
      "На границата триъгълникът се изражда в отсечка, затова няма чертеж."},
     false},
    {"perimeterTooShortForLeg",
     5,
     "3",
     "6",
     {"Вариант 6. Дадени: a = 3.000 и P = 6.000.", "Обяснението.",
      "На границата триъгълникът се изражда в отсечка, затова няма чертеж."},
     false},
    {"areaTooLargeForHypotenuse",
     2,
     "5",
     "7",
     {"Вариант 3. Дадени: c = 5.000 и S = 7.000.", "Обяснението.",
      "На границата е равнобедреният правоъгълен триъгълник, начертан горе:",
      "Вариант 3. Дадени: c = 5.000 и S = 6.250.",
      "s = a + b, сборът на катетите:", "s = √(c² + 4·S) = √(5.000² + 4·6.250) = 7.071",
      "t = a − b, разликата на катетите:", "t = √(s² − 8·S) = √(7.071² − 8·6.250) = 0.000",
      "a = (s + t) / 2 = (7.071 + 0.000) / 2 = 3.536"},
     true},
    {"perimeterTooLongForHypotenuse",
     3,
     "5",
     "13",
     {"Вариант 4. Дадени: c = 5.000 и P = 13.000.", "Обяснението.",
      "На границата е равнобедреният правоъгълен триъгълник, начертан горе:",
      "Вариант 4. Дадени: c = 5.000 и P = 12.071."},
     true},
    {"areaTooLargeForPerimeter",
     4,
     "12",
     "7",
     {"Вариант 5. Дадени: P = 12.000 и S = 7.000.", "Обяснението.",
      "На границата е равнобедреният правоъгълен триъгълник, начертан горе:",
      "Вариант 5. Дадени: P = 12.000 и S = 6.177."},
     true},
};
INSTANTIATE_TEST_SUITE_P(EveryKind, SolutionStepsAfterRefusal, testing::ValuesIn(refusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SolutionStepsEmpty, SayHowToGetATriangle)
{
    const SolutionPage page = SolutionPageOf(RowOutcome{}, regions::bgBG(), false);
    EXPECT_FALSE(page.triangle.has_value());
    EXPECT_EQ(page.steps.rfind("Няма изчислен триъгълник.", 0), 0u);
}

TEST(SolutionStepsBits, TheTriangleShownIsTheRowsBitForBit)
{
    // The window solves again from the row's own given values: the same doubles out.
    const RowOutcome row = solvedRow(2, "10.3", "12.7");
    const SolutionPage page = SolutionPageOf(row, regions::enUS(), false);
    ASSERT_TRUE(page.triangle.has_value());
    EXPECT_EQ(page.triangle->a, *row.row.a);
    EXPECT_EQ(page.triangle->b, *row.row.b);
    EXPECT_EQ(page.triangle->P, *row.row.P);
}

} // namespace

namespace {

TEST(SolutionStepsBits, KeepingStepsChangesNoResult)
{
    // Every variant over a spread of triangles, each given value as typed to three decimals.
    for (std::int16_t k = 0; k < VariantCount; ++k) {
        for (int i = 1; i <= 200; ++i) {
            const double a = 0.001 * i * i;
            const double b = 1.0 + 0.37 * i;
            const double c = std::sqrt(a * a + b * b);
            const double values[ColumnCount] = {a, c, a + b + c, a * b / 2};
            const GivenColumns columns = GivenColumnsOf(k);
            const std::string first = FormatFieldNumber(values[columns.first]);
            const std::string second = FormatFieldNumber(values[columns.second]);
            const Solution plain = Solve(k, first, second);
            const double x = ReadFieldNumberStrictly(first).value();
            const double y = ReadFieldNumberStrictly(second).value();
            Steps steps;
            const Solution kept = SolveValues(k, x, y, &steps);
            ASSERT_EQ(plain.ok(), kept.ok()) << k << ": " << first << ", " << second;
            if (!plain.ok())
                continue;
            EXPECT_FALSE(steps.list().empty());
            const RowFields& p = plain.value();
            const RowFields& q = kept.value();
            for (auto [u, v] :
                 {std::pair{p.a, q.a}, {p.b, q.b}, {p.c, q.c}, {p.P, q.P}, {p.S, q.S}})
                EXPECT_EQ(std::bit_cast<std::uint64_t>(*u), std::bit_cast<std::uint64_t>(*v))
                    << k << ": " << first << ", " << second;
        }
    }
}

} // namespace

// On paper the whole triangle reads as the row's tooltip, with the exact forms: a = 5 and
// c = 10 give b = √75 = 5√3 and P = 15 + 5√3.
TEST(SolutionStepsPage, PrintsTheWholeTriangleWithItsExactForms)
{
    const std::vector<std::string> whole =
        linesOf(SolutionPageOf(solvedRow(0, "5", "10"), regions::bgBG()).whole);
    for (const char* line :
         {"Целият триъгълник:", "катет b = 5√3 ≈ 8,660", "периметър P = 15 + 5√3 ≈ 23,660"})
        EXPECT_NE(std::find(whole.begin(), whole.end(), line), whole.end()) << line;
}
