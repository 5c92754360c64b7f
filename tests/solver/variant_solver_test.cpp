#include "solver/formula/checked_double.h"
#include "solver/variant/variant_solver.h"

#include "tests/regions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <string>

using triangle::CalculationFault;
using triangle::FieldNumber;
using triangle::FormatFieldNumber;
using triangle::RowFields;
using triangle::Solve;

namespace {

struct SolveCase {
    const char* name;
    std::int16_t k;
    std::string first;
    std::string second;
    RowFields expected;
};

void PrintTo(const SolveCase& c, std::ostream* os)
{
    *os << c.name;
}

void expectRow(const RowFields& actual, const RowFields& expected)
{
    // Exact comparison: the formulas must give these doubles to the last bit.
    auto same = [](const FieldNumber& x, const FieldNumber& y) {
        return x.has_value() == y.has_value() && (!x || *x == *y);
    };
    auto show = [](const FieldNumber& x) { return x ? std::to_string(*x) : std::string("unset"); };
    EXPECT_TRUE(same(actual.a, expected.a))
        << "a: " << show(actual.a) << " != " << show(expected.a);
    EXPECT_TRUE(same(actual.c, expected.c))
        << "c: " << show(actual.c) << " != " << show(expected.c);
    EXPECT_TRUE(same(actual.P, expected.P))
        << "P: " << show(actual.P) << " != " << show(expected.P);
    EXPECT_TRUE(same(actual.S, expected.S))
        << "S: " << show(actual.S) << " != " << show(expected.S);
}

class SolveTest : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveTest, GivesTheRow)
{
    const SolveCase& c = GetParam();
    const auto solved = Solve(c.k, c.first, c.second);
    ASSERT_TRUE(solved.ok());
    expectRow(solved.value(), c.expected);
}

const SolveCase solveCases[] = {
    // The 3-4-5 triangle from every pair of its quantities, worked by hand.
    {"legAndHypotenuse345", 0, "3", "5", {3.0, 5.0, 12.0, 6.0}},
    {"legAndArea345", 1, "3", "6", {3.0, 5.0, 12.0, 6.0}},
    {"hypotenuseAndAreaGivesLongerLeg", 2, "5", "6", {4.0, 5.0, 12.0, 6.0}},
    {"hypotenuseAndPerimeterGivesShorterLeg", 3, "5", "12", {3.0, 5.0, 12.0, 6.0}},
    {"perimeterAndAreaGivesShorterLeg", 4, "12", "6", {3.0, 5.0, 12.0, 6.0}},
    {"legAndPerimeter345", 5, "3", "12", {3.0, 5.0, 12.0, 6.0}},
    // Non-trivial inputs; the expected doubles were computed apart from this code, with
    // the formulas evaluated step by step in IEEE double arithmetic by another tool.
    {"legAndHypotenuseExact",
     0,
     "1.7",
     "2.9",
     {0x1.b333333333333p+0, 0x1.7333333333333p+1, 0x1.bcc41588e1282p+2, 0x1.ff3e86a86e2c2p+0}},
    {"legAndAreaExact",
     1,
     "2.3",
     "4.1",
     {0x1.2666666666666p+1, 0x1.0f88ebe8b2473p+2, 0x1.437452564bc85p+3, 0x1.0666666666666p+2}},
    {"hypotenuseAndAreaExact",
     2,
     "10.3",
     "12.7",
     {0x1.3f617a72f6482p+3, 0x1.499999999999ap+3, 0x1.6d358ce9f9526p+4, 0x1.9666666666666p+3}},
    {"hypotenuseAndPerimeterExact",
     3,
     "7.9",
     "18.4",
     {0x1.abb52ce0f3b0cp+1, 0x1.f99999999999ap+2, 0x1.2666666666666p+4, 0x1.7eb851eb851e5p+3}},
    {"perimeterAndAreaExact",
     4,
     "14.6",
     "7.3",
     {0x1.43ea426048904p+1, 0x1.9333333333334p+2, 0x1.d333333333333p+3, 0x1.d333333333333p+2}},
    {"legAndPerimeterExact",
     5,
     "3.1",
     "11.7",
     {0x1.8cccccccccccdp+1, 0x1.36f548a1ef548p+2, 0x1.7666666666666p+3, 0x1.732287bd52288p+2}},
};

INSTANTIATE_TEST_SUITE_P(Variants, SolveTest, testing::ValuesIn(solveCases),
                         [](const auto& info) { return std::string(info.param.name); });

using triangle::FieldTextProblem;
using triangle::RefusalReason;

struct RefusalCase {
    const char* name;
    std::int16_t k;
    std::string first;
    std::string second;
    RefusalReason reason;
    std::int16_t column; // the given quantity to correct
    std::optional<double> bound;
    FieldTextProblem textProblem = FieldTextProblem::Empty;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class SolveRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(SolveRefusalTest, SaysWhichCheckFailed)
{
    const RefusalCase& c = GetParam();
    const auto solved = Solve(c.k, c.first, c.second);
    ASSERT_FALSE(solved.ok());
    const triangle::Refusal& refusal = solved.fault();
    EXPECT_EQ(refusal.reason, c.reason);
    EXPECT_EQ(refusal.variant, c.k);
    EXPECT_EQ(refusal.column, c.column);
    ASSERT_EQ(refusal.bound.has_value(), c.bound.has_value());
    if (c.bound) {
        // 3 − 2√2 in doubles loses a digit to cancellation.
        EXPECT_NEAR(*refusal.bound, *c.bound, std::fabs(*c.bound) * 1e-14);
    }
    if (c.reason == RefusalReason::FieldText) {
        EXPECT_EQ(refusal.textProblem, c.textProblem);
    }
}

// The bounds worked by hand: c²/4, 2c, (1 + √2)·c, (3 − 2√2)·P²/4, 2a.
const RefusalCase refusalCases[] = {
    {"legEqualsHypotenuse", 0, "5", "5", RefusalReason::LegNotShorterThanHypotenuse, 0, 5.0},
    {"legLongerThanHypotenuse", 0, "5", "3", RefusalReason::LegNotShorterThanHypotenuse, 0, 3.0},
    {"zeroLeg", 0, "0", "5", RefusalReason::NotPositive, 0, 0.0},
    {"negativeHypotenuse", 0, "3", "-5", RefusalReason::NotPositive, 1, 0.0},
    {"negativeLeg", 1, "-3", "6", RefusalReason::NotPositive, 0, 0.0},
    {"zeroAreaWithLeg", 1, "3", "0", RefusalReason::NotPositive, 3, 0.0},
    {"zeroArea", 2, "5", "0", RefusalReason::NotPositive, 3, 0.0},
    {"areaAboveQuarterOfHypotenuseSquared", 2, "10", "26", RefusalReason::AreaTooLargeForHypotenuse,
     3, 25.0},
    {"areaFourTimesTheLargest", 2, "1", "1", RefusalReason::AreaTooLargeForHypotenuse, 3, 0.25},
    {"areaAHundredthTooLarge", 2, "6", "9.01", RefusalReason::AreaTooLargeForHypotenuse, 3, 9.0},
    {"perimeterBelowTwiceHypotenuse", 3, "5", "8", RefusalReason::PerimeterTooShortForHypotenuse, 2,
     10.0},
    {"perimeterTwiceHypotenuse", 3, "5", "10", RefusalReason::PerimeterTooShortForHypotenuse, 2,
     10.0},
    {"twiceAHugeHypotenuseHasNoBound", 3, "1e308", "1.5e308",
     RefusalReason::PerimeterTooShortForHypotenuse, 2, std::nullopt},
    {"perimeterTooLongForHypotenuse", 3, "5", "13", RefusalReason::PerimeterTooLongForHypotenuse, 2,
     5.0 + 5.0 * std::sqrt(2.0)},
    {"negativePerimeter", 4, "-12", "6", RefusalReason::NotPositive, 2, 0.0},
    {"areaTooLargeForPerimeter", 4, "12", "7", RefusalReason::AreaTooLargeForPerimeter, 3,
     108.0 - 72.0 * std::sqrt(2.0)},
    // S > P²/4 gives real legs whose sum exceeds the perimeter.
    {"areaFarTooLargeForPerimeter", 4, "1", "2", RefusalReason::AreaTooLargeForPerimeter, 3,
     0.75 - 0.5 * std::sqrt(2.0)},
    {"perimeterEqualsLeg", 5, "3", "3", RefusalReason::PerimeterTooShortForLeg, 2, 6.0},
    {"perimeterTwiceLeg", 5, "3", "6", RefusalReason::PerimeterTooShortForLeg, 2, 6.0},
    // Small triangles that no change of each given value by half a thousandth δ brings to the
    // isosceles boundary (worked in 40-digit decimal arithmetic): c = 0.01, S = 0.00053:
    // S − δ = 0.00003 > (c + δ)²/4 = 0.0000275625; c = 0.01, P = 0.026: P − δ = 0.0255 >
    // (1 + √2)·(c + δ) = 0.0253492; P = 0.1, S = 0.0012: S − δ = 0.0007 >
    // (3 − 2√2)/4·(P + δ)² = 0.00043323. The bounds: c²/4 = 0.000025, (1 + √2)·c,
    // (3 − 2√2)·P²/4.
    {"smallHypotenuseAreaBeyondTyping", 2, "0.01", "0.00053",
     RefusalReason::AreaTooLargeForHypotenuse, 3, 0.000025},
    {"smallHypotenusePerimeterBeyondTyping", 3, "0.01", "0.026",
     RefusalReason::PerimeterTooLongForHypotenuse, 2, 0.02414213562373095},
    {"smallPerimeterAreaBeyondTyping", 4, "0.1", "0.0012", RefusalReason::AreaTooLargeForPerimeter,
     3, 0.000428932188134524756},
    {"squareOverflows", 0, "1e200", "1e300", RefusalReason::ResultBeyondRange, 0, std::nullopt},
    {"otherLegOverflows", 1, "1e-300", "1e300", RefusalReason::ResultBeyondRange, 0, std::nullopt},
    {"perimeterSquareOverflows", 5, "1", "1e200", RefusalReason::ResultBeyondRange, 0,
     std::nullopt},
    // Texts that are not one number: the first field is read first.
    {"emptyPerimeterAndArea", 4, "", "", RefusalReason::FieldText, 2, std::nullopt,
     FieldTextProblem::Empty},
    {"emptyLegAndPerimeter", 5, "", "", RefusalReason::FieldText, 0, std::nullopt,
     FieldTextProblem::Empty},
    {"emptySecondField", 1, "3", " ", RefusalReason::FieldText, 3, std::nullopt,
     FieldTextProblem::Empty},
    {"commaIsNoDecimalSeparatorHere", 0, "2,5", "6.5", RefusalReason::FieldText, 0, std::nullopt,
     FieldTextProblem::DecimalSeparator},
    {"lettersAfterTheNumber", 2, "5", "12abc", RefusalReason::FieldText, 3, std::nullopt,
     FieldTextProblem::NotOneNumber},
    {"twoPastedCells", 3, "5\t12", "13", RefusalReason::FieldText, 1, std::nullopt,
     FieldTextProblem::BlankInside},
    {"firstTextBeyondADouble", 0, "1e999", "5", RefusalReason::FieldText, 0, std::nullopt,
     FieldTextProblem::BeyondRange},
    {"secondTextBeyondADouble", 5, "3", "-1e999", RefusalReason::FieldText, 2, std::nullopt,
     FieldTextProblem::BeyondRange},
};

INSTANTIATE_TEST_SUITE_P(Variants, SolveRefusalTest, testing::ValuesIn(refusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SolveRefusal, CarriesTheValuesRead)
{
    const auto checkFailed = Solve(2, "10", "26");
    ASSERT_FALSE(checkFailed.ok());
    EXPECT_EQ(checkFailed.fault().first, 10.0);
    EXPECT_EQ(checkFailed.fault().second, 26.0);

    const auto secondText = Solve(0, "3", "5cm");
    ASSERT_FALSE(secondText.ok());
    EXPECT_EQ(secondText.fault().first, 3.0);
    EXPECT_FALSE(secondText.fault().second.has_value());

    const auto firstText = Solve(0, "abc", "5");
    ASSERT_FALSE(firstText.ok());
    EXPECT_FALSE(firstText.fault().first.has_value());
    EXPECT_EQ(firstText.fault().textProblem, FieldTextProblem::NoNumber);
}

TEST(SolveRefusal, PastTheIsoscelesBoundaryNamesTheBound)
{
    // From the isosceles triangle's area or perimeter up to twice as far past it as typing can
    // reach, at small and school sizes: up to there the pair is the isosceles triangle, beyond
    // it refused with the bound it crosses, never as a mere "no triangle". How far typing
    // reaches, worked by hand from S − δ ≤ (c + δ)²/4, P − δ ≤ (1 + √2)·(c + δ) and
    // S − δ ≤ (3 − 2√2)/4·(P + δ)²: c·δ/2 + δ²/4 + δ, (2 + √2)·δ and
    // (3 − 2√2)/4·(2P + δ)·δ + δ past the bound. The step at the edge itself is left out.
    // Only for perimeters below about 0.019 does that reach an area of (3 + 2√2)/4·P² or
    // more, where the legs' difference is real again but the legs together are longer than
    // the perimeter: such a pair has no triangle of its own and stays refused.
    const double delta = 0.0005;
    const double root2 = std::sqrt(2.0);
    const double share = (3.0 - 2.0 * root2) / 4.0;
    for (double size : {0.001, 0.01, 0.05, 0.2, 1.0, 7.0, 120.0}) {
        const double areaReach = size * delta / 2.0 + delta * delta / 4.0 + delta;
        const double perimeterReach = (2.0 + root2) * delta;
        const double perimeterAreaReach = share * (2.0 * size + delta) * delta + delta;
        for (int i = 0; i <= 100; ++i) {
            if (i == 50)
                continue;
            const double past = i / 50.0;
            const bool within = i < 50;
            const auto area = triangle::SolveValues(2, size, size * size / 4.0 + past * areaReach);
            EXPECT_EQ(area.ok(), within) << "c = " << size << ", " << past;
            if (!area.ok()) {
                EXPECT_EQ(area.fault().reason, RefusalReason::AreaTooLargeForHypotenuse) << size;
            }
            const auto perimeter =
                triangle::SolveValues(3, size, (1.0 + root2) * size + past * perimeterReach);
            EXPECT_EQ(perimeter.ok(), within) << "c = " << size << ", " << past;
            if (!perimeter.ok()) {
                EXPECT_EQ(perimeter.fault().reason, RefusalReason::PerimeterTooLongForHypotenuse)
                    << size;
            }
            const double areaForPerimeter = share * size * size + past * perimeterAreaReach;
            const auto perimeterArea = triangle::SolveValues(4, size, areaForPerimeter);
            const bool legsTooLong = areaForPerimeter >= (3.0 + 2.0 * root2) / 4.0 * size * size;
            EXPECT_EQ(perimeterArea.ok(), within && !legsTooLong) << "P = " << size << ", " << past;
            if (!perimeterArea.ok()) {
                EXPECT_EQ(perimeterArea.fault().reason, RefusalReason::AreaTooLargeForPerimeter)
                    << size;
            }
            for (const auto* solved : {&area, &perimeter, &perimeterArea}) {
                if (solved->ok()) {
                    EXPECT_GT(*solved->value().a, 0.0) << size;
                    EXPECT_LT(*solved->value().a, *solved->value().c) << size;
                    EXPECT_LT(*solved->value().b, *solved->value().c) << size;
                }
            }
        }
    }
}

TEST(SolveRegion, ReadsTheRegionsOwnForm)
{
    const auto solved = Solve(0, "1.234,5", "2.000,5", regions::deDE());
    ASSERT_TRUE(solved.ok());
    EXPECT_EQ(*solved.value().a, 1234.5);
    EXPECT_EQ(*solved.value().c, 2000.5);
}

TEST(SolveRegion, ACommaThatIsNoDecimalSeparatorIsRefusedNotTruncated)
{
    // In the period region "2,5" once read as 2 and gave P = 13.657 for 2.5 and 6.5.
    const auto period = Solve(0, "2,5", "6,5", regions::enUS());
    ASSERT_FALSE(period.ok());
    EXPECT_EQ(period.fault().textProblem, FieldTextProblem::DecimalSeparator);
    const auto bulgarian = Solve(0, "2,5", "6,5", regions::bgBG());
    ASSERT_TRUE(bulgarian.ok());
    EXPECT_EQ(*bulgarian.value().P, 15.0);
}

// Rounds a non-negative integer's square root half up, exactly: the n with
// (n − ½)² ≤ x < (n + ½)², that is 4n² − 4n + 1 ≤ 4x < 4n² + 4n + 1.
std::int64_t roundedSquareRoot(std::int64_t x)
{
    auto n = static_cast<std::int64_t>(std::sqrt(static_cast<double>(x)));
    while (4 * n * n - 4 * n + 1 > 4 * x)
        --n;
    while (4 * n * n + 4 * n + 1 <= 4 * x)
        ++n;
    return n;
}

// A count of thousandths written as a three-decimal text: 4243 as "4.243".
std::string thousandths(std::int64_t n)
{
    std::string digits = std::to_string(n / 1000) + ".";
    const std::string fraction = std::to_string(1000 + n % 1000);
    return digits + fraction.substr(1);
}

TEST(SolveIsosceles, HypotenuseAndQuarterOfItsSquareGiveTheIsoscelesTriangle)
{
    // c = 6, S = 9: legs 3√2. The radicand of the legs' difference comes out a few units in
    // the last place below zero by rounding alone.
    const auto six = Solve(2, "6", "9");
    ASSERT_TRUE(six.ok());
    EXPECT_EQ(FormatFieldNumber(six.value().a), "4.243");
    EXPECT_EQ(FormatFieldNumber(six.value().c), "6.000");
    EXPECT_EQ(FormatFieldNumber(six.value().P), "14.485");
    EXPECT_EQ(FormatFieldNumber(six.value().S), "9.000");

    // Every whole hypotenuse up to 1000 with S = c²/4, typed exactly. The leg c/√2 and the
    // perimeter c + c·√2 in thousandths are worked out in integers: 1000·c/√2 is the
    // square root of 500000·c², 1000·c·√2 that of 2000000·c².
    //
    // Where the radicand s·s − 8·S comes out a few units in the last place above zero, its
    // root is not 0 but about √(2⁻⁵⁰·s²), a few millionths, and the leg moves by half of
    // that. That decides the third decimal of one leg here, which lies within a few
    // millionths of a tie:
    //   c = 501: c/√2 = 354.2604974, 2.6 millionths below the tie; the radicand is
    //            5.8·10⁻¹¹, its root 7.6·10⁻⁶, and the leg 354.2605012 shows "354.261".
    const std::set<std::int64_t> decidedByTheFormulas = {501};
    triangle::NumberFormat ungrouped;
    ungrouped.groupSeparator.clear();
    for (std::int64_t c = 1; c <= 1000; ++c) {
        const std::int64_t quarterTimes100 = c * c * 25; // c²/4 in hundredths
        const std::string area = std::to_string(quarterTimes100 / 100) + "." +
                                 std::to_string(100 + quarterTimes100 % 100).substr(1);
        const auto solved = Solve(2, std::to_string(c), area);
        ASSERT_TRUE(solved.ok()) << "c = " << c << ", S = " << area;
        const std::int64_t leg = roundedSquareRoot(500000 * c * c);
        const std::int64_t perimeter = 1000 * c + roundedSquareRoot(2000000 * c * c);
        if (!decidedByTheFormulas.contains(c)) {
            EXPECT_EQ(FormatFieldNumber(solved.value().a, ungrouped), thousandths(leg))
                << "c = " << c;
        }
        EXPECT_EQ(FormatFieldNumber(solved.value().P, ungrouped), thousandths(perimeter))
            << "c = " << c;
    }
}

TEST(SolveIsosceles, EveryVariantMeetingTheBoundaryGivesTheIsoscelesTriangle)
{
    // The isosceles triangle with legs 5: c = 5√2, P = 10 + 5√2, S = 12.5, typed as a user
    // would, to as many decimals as a calculator shows. Each variant whose formulas take the
    // root of the legs' difference must give legs of 5.000.
    const char* hypotenuse = "7.0710678118654752";
    const char* perimeter = "17.0710678118654752";
    const auto fromHypotenuseAndArea = Solve(2, hypotenuse, "12.5");
    const auto fromHypotenuseAndPerimeter = Solve(3, hypotenuse, perimeter);
    const auto fromPerimeterAndArea = Solve(4, perimeter, "12.5");
    for (const auto* solved :
         {&fromHypotenuseAndArea, &fromHypotenuseAndPerimeter, &fromPerimeterAndArea}) {
        ASSERT_TRUE(solved->ok());
        EXPECT_EQ(FormatFieldNumber(solved->value().a), "5.000");
        EXPECT_EQ(FormatFieldNumber(solved->value().S), "12.500");
    }
    EXPECT_EQ(FormatFieldNumber(fromPerimeterAndArea.value().c), "7.071");
}

TEST(SolveIsosceles, ThePerimeterAndAreaShownForAnIsoscelesTriangleGiveItBack)
{
    // c = 6, S = 9 shows P = 14.485, 6 + 6√2 rounded: the radicand P²/4 − 6S + 4S²/P² comes
    // out about −0.0009, within what half a thousandth in P and in S can move it.
    const auto solved = Solve(4, "14.485", "9");
    ASSERT_TRUE(solved.ok());
    EXPECT_EQ(FormatFieldNumber(solved.value().a), "4.243");
    EXPECT_EQ(FormatFieldNumber(solved.value().c), "6.000");
}

struct TypingCase {
    const char* name;
    std::int16_t k;
    const char* first;
    const char* second;
    bool solved;
};

void PrintTo(const TypingCase& c, std::ostream* os)
{
    *os << c.name;
}

class SolveTypingTest : public testing::TestWithParam<TypingCase> {};

TEST_P(SolveTypingTest, TakesAsIsoscelesOnlyWhatTypingCanReach)
{
    const TypingCase& c = GetParam();
    const auto solved = Solve(c.k, c.first, c.second);
    ASSERT_EQ(solved.ok(), c.solved);
    if (solved.ok()) {
        // The isosceles triangle: the root of the legs' difference is 0, and the legs,
        // worked out by other formulas, differ by what the given values are off.
        EXPECT_NEAR(*solved.value().a, *solved.value().b, 0.002);
        return;
    }
    const RefusalReason bounds[] = {RefusalReason::AreaTooLargeForHypotenuse,
                                    RefusalReason::PerimeterTooLongForHypotenuse,
                                    RefusalReason::AreaTooLargeForPerimeter};
    EXPECT_EQ(solved.fault().reason, bounds[c.k - 2]);
}

// A pair is the isosceles triangle when some change of each given value by at most
// δ = 0.0005 puts it on or inside the bound; the largest second value that can, worked in
// 40-digit decimal arithmetic:
//   variant 3: S − δ ≤ (c + δ)²/4:
//       c = 0.01: S ≤ 0.0005275625;  c = 10: S ≤ 25.0030000625;
//   variant 4: P − δ ≤ (1 + √2)·(c + δ):
//       c = 0.01: P ≤ 0.02584924;  c = 10: P ≤ 24.14384273;
//   variant 5: S − δ ≤ (3 − 2√2)/4·(P + δ)²:
//       P = 0.1: S ≤ 0.00093323;  P = 12: S ≤ 6.17763824;  P = 14.485: S ≤ 9.00077168.
const TypingCase typingCases[] = {
    {"hypotenuseAreaAMillionthAbove", 2, "6", "9.000001", true},
    {"smallHypotenuseAreaWithin", 2, "0.01", "0.000525", true},
    {"smallHypotenuseAreaBeyond", 2, "0.01", "0.00053", false},
    {"hypotenuseAreaJustWithin", 2, "10", "25.00300006", true},
    {"hypotenuseAreaJustBeyond", 2, "10", "25.0030001", false},
    {"smallHypotenusePerimeterWithin", 3, "0.01", "0.0258", true},
    {"smallHypotenusePerimeterBeyond", 3, "0.01", "0.0259", false},
    {"hypotenusePerimeterJustWithin", 3, "10", "24.1438427", true},
    {"hypotenusePerimeterJustBeyond", 3, "10", "24.1438428", false},
    {"smallPerimeterAreaWithin", 4, "0.1", "0.00093", true},
    {"smallPerimeterAreaBeyond", 4, "0.1", "0.00094", false},
    {"perimeterAreaWithin", 4, "12", "6.1776", true},
    {"perimeterAreaBeyond", 4, "12", "6.1777", false},
    {"perimeterAreaShownForHypotenuse6", 4, "14.485", "9", true},
    {"perimeterAreaBeyondHypotenuse6", 4, "14.485", "9.0008", false},
};

INSTANTIATE_TEST_SUITE_P(Variants, SolveTypingTest, testing::ValuesIn(typingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Given values beyond rounding of the isosceles boundary but within typing of it: the row
// is the isosceles right triangle of the given hypotenuse (variants 3 and 4) or perimeter
// (variant 5), the other given value as typed. Worked in 40-digit decimal arithmetic:
// legs c/√2 or P/(2 + √2), P = c·(1 + √2), S = c²/4, c = P·(√2 − 1).
struct IsoscelesCase {
    const char* name;
    std::int16_t k;
    const char* first;
    const char* second;
    double a, c, P, S;
    const char* shown[4]; // a, c, P, S as the row shows them
};

void PrintTo(const IsoscelesCase& c, std::ostream* os)
{
    *os << c.name;
}

class SolveWithinTypingTest : public testing::TestWithParam<IsoscelesCase> {};

TEST_P(SolveWithinTypingTest, GivesTheIsoscelesTriangleOfTheGivenLength)
{
    const IsoscelesCase& c = GetParam();
    const auto solved = Solve(c.k, c.first, c.second);
    ASSERT_TRUE(solved.ok());
    const RowFields& row = solved.value();
    // A few roundings of the double formulas, √2 among them.
    auto near = [](double expected) { return std::fabs(expected) * 1e-15; };
    EXPECT_NEAR(*row.a, c.a, near(c.a));
    EXPECT_EQ(*row.b, *row.a);
    EXPECT_NEAR(*row.c, c.c, near(c.c));
    EXPECT_NEAR(*row.P, c.P, near(c.P));
    EXPECT_NEAR(*row.S, c.S, near(c.S));
    const FieldNumber values[4] = {row.a, row.c, row.P, row.S};
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(FormatFieldNumber(values[j]), c.shown[j]) << "column " << j;
}

const IsoscelesCase isoscelesCases[] = {
    // The isosceles triangle with P = 0.2 shows S = 0.002; the legs were 0.067 and 0.073.
    {"perimeterAreaOfASmallIsoscelesTriangle",
     4,
     "0.2",
     "0.002",
     0.05857864376269049512,
     0.08284271247461900976,
     0.2,
     0.002,
     {"0.059", "0.083", "0.200", "0.002"}},
    // A leg of 0.039 beside a hypotenuse of 0.030 before.
    {"perimeterAreaSmallerStill",
     4,
     "0.1",
     "0.0006",
     0.02928932188134524756,
     0.04142135623730950488,
     0.1,
     0.0006,
     {"0.029", "0.041", "0.100", "0.001"}},
    // S − δ = 8.9995 against (3 − 2√2)/4·(P + δ)² = 9.0002717.
    {"perimeterAreaShownForTheIsoscelesTriangleWithHypotenuse6",
     4,
     "14.485",
     "9",
     4.242558274512859109,
     5.999883450974281782,
     14.485,
     9.0,
     {"4.243", "6.000", "14.485", "9.000"}},
    // P − δ = 0.0245 against (1 + √2)·(c + δ) = 0.0253492; a leg of 0.000083 before.
    {"hypotenusePerimeterSmall",
     3,
     "0.01",
     "0.025",
     0.007071067811865475244,
     0.01,
     0.025,
     0.000025,
     {"0.007", "0.010", "0.025", "0.000"}},
    // P − δ = 24.1428 against (1 + √2)·(c + δ) = 24.1433427.
    {"hypotenusePerimeterWithin",
     3,
     "10",
     "24.1433",
     7.071067811865475244,
     10.0,
     24.1433,
     25.0,
     {"7.071", "10.000", "24.143", "25.000"}},
    // S − δ = 0 against (c + δ)²/4 = 0.0000275625; refused as no triangle before.
    {"hypotenuseAreaSmall",
     2,
     "0.01",
     "0.0005",
     0.007071067811865475244,
     0.01,
     0.02414213562373095049,
     0.0005,
     {"0.007", "0.010", "0.024", "0.001"}},
    // S − δ = 0.000027 against 0.0000275625.
    {"hypotenuseAreaSmallAtTheEdge",
     2,
     "0.01",
     "0.000527",
     0.007071067811865475244,
     0.01,
     0.02414213562373095049,
     0.000527,
     {"0.007", "0.010", "0.024", "0.001"}},
    // S − δ = 25.0025 against (c + δ)²/4 = 25.0025000625.
    {"hypotenuseAreaJustWithin",
     2,
     "10",
     "25.003",
     7.071067811865475244,
     10.0,
     24.14213562373095049,
     25.003,
     {"7.071", "10.000", "24.142", "25.003"}},
};

INSTANTIATE_TEST_SUITE_P(Variants, SolveWithinTypingTest, testing::ValuesIn(isoscelesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CheckedDouble, StopsOnEachKindOfFault)
{
    using triangle::Checked;
    auto faultOf = [](auto operation) -> std::optional<CalculationFault> {
        try {
            operation();
        } catch (const triangle::CalculationStopped& stopped) {
            return stopped.fault;
        }
        return std::nullopt;
    };
    const Checked zero(0.0), one(1.0), huge(std::numeric_limits<double>::max());
    EXPECT_EQ(faultOf([&] { return one / zero; }), CalculationFault::DivisionByZero);
    EXPECT_EQ(faultOf([&] { return zero / zero; }), CalculationFault::DivisionByZero);
    EXPECT_EQ(faultOf([&] { return one / Checked(-0.0); }), CalculationFault::DivisionByZero);
    EXPECT_EQ(faultOf([&] { return sqrt(Checked(-1e-300)); }), CalculationFault::InvalidSquareRoot);
    EXPECT_EQ(faultOf([&] { return huge + huge; }), CalculationFault::Overflow);
    EXPECT_EQ(faultOf([&] { return Checked(-0.0) - huge - huge; }), CalculationFault::Overflow);
    EXPECT_EQ(faultOf([&] { return huge * Checked(2.0); }), CalculationFault::Overflow);
    EXPECT_EQ(faultOf([&] { return one / Checked(1e-310); }), CalculationFault::Overflow);
    EXPECT_EQ(faultOf([&] { return sqrt(Checked(-0.0)); }), std::nullopt);
    EXPECT_EQ(faultOf([&] { return Checked(1e-300) * Checked(1e-300); }), std::nullopt);

    // A difference negative by up to 4·2⁻⁵² of the first term is rounding: its root is 0.
    const Checked x(72.0);
    EXPECT_EQ(sqrtOfDifference(x, Checked(72.0 + 0x1p-46))->value(), 0.0);
    EXPECT_FALSE(sqrtOfDifference(x, Checked(72.0 + 0x1p-43)).has_value());
    EXPECT_FALSE(sqrtOfDifference(x, Checked(72.01)).has_value());
    EXPECT_EQ(sqrtOfDifference(Checked(25.0), Checked(16.0))->value(), 3.0);
}

TEST(GivenColumns, NameTheTwoQuantitiesOfEachVariant)
{
    const std::pair<int, int> expected[] = {{0, 1}, {0, 3}, {1, 3}, {1, 2}, {2, 3}, {0, 2}};
    for (std::int16_t k = 0; k < triangle::VariantCount; ++k) {
        EXPECT_EQ(triangle::GivenColumnsOf(k).first, expected[k].first) << k;
        EXPECT_EQ(triangle::GivenColumnsOf(k).second, expected[k].second) << k;
    }
}

} // namespace
