#include "solver/variant/triangle_details.h"
#include "solver/variant/variant_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using triangle::DetailsOf;
using triangle::Solve;

namespace {

struct DetailsCase {
    const char* name;
    std::int16_t k;
    std::string first;
    std::string second;
    // Worked out by hand: b, α, β (degrees), h, r, R.
    double b, alpha, beta, h, r, R;
};

void PrintTo(const DetailsCase& c, std::ostream* os)
{
    *os << c.name;
}

class TriangleDetailsTest : public testing::TestWithParam<DetailsCase> {};

TEST_P(TriangleDetailsTest, DescribesTheWholeTriangle)
{
    const DetailsCase& c = GetParam();
    const auto solved = Solve(c.k, c.first, c.second);
    ASSERT_TRUE(solved.ok());
    const auto details = DetailsOf(solved.value());
    ASSERT_TRUE(details.has_value());
    EXPECT_NEAR(details->b, c.b, 1e-12);
    EXPECT_NEAR(details->alpha, c.alpha, 1e-9);
    EXPECT_NEAR(details->beta, c.beta, 1e-9);
    EXPECT_NEAR(details->h, c.h, 1e-12);
    EXPECT_NEAR(details->r, c.r, 1e-12);
    EXPECT_NEAR(details->R, c.R, 1e-12);
    EXPECT_NEAR(details->alpha + details->beta, 90.0, 1e-12);
}

// atan(3/4) = 36.86989764584402°, atan(5/12) = 22.61986494804043°; h = ab/c; r = (a+b−c)/2.
const DetailsCase detailsCases[] = {
    {"legAndHypotenuse345", 0, "3", "5", 4.0, 36.86989764584402, 53.13010235415598, 2.4, 1.0, 2.5},
    {"hypotenuseAndAreaShowsTheLongerLeg", 2, "5", "6", 3.0, 53.13010235415598, 36.86989764584402,
     2.4, 1.0, 2.5},
    {"perimeterAndAreaShowsTheShorterLeg", 4, "30", "30", 12.0, 22.61986494804043,
     67.38013505195957, 60.0 / 13.0, 2.0, 6.5},
    {"legAndPerimeter51213", 5, "5", "30", 12.0, 22.61986494804043, 67.38013505195957, 60.0 / 13.0,
     2.0, 6.5},
    {"isosceles", 1, "1", "0.5", 1.0, 45.0, 45.0, std::sqrt(0.5), 1.0 - std::sqrt(0.5),
     std::sqrt(0.5)},
};

INSTANTIATE_TEST_SUITE_P(Variants, TriangleDetailsTest, testing::ValuesIn(detailsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TriangleDetailsLimits, NoTriangleBehindAnIncompleteRow)
{
    EXPECT_FALSE(DetailsOf(triangle::RowFields{5.0, 3.0, {}, {}}).has_value());
    EXPECT_FALSE(DetailsOf(triangle::RowFields{}).has_value());
}

TEST(TriangleDetailsLimits, AThinTriangleKeepsItsInscribedRadius)
{
    // Legs 1 and 10⁸: r = (a + b − c)/2 = (1 − 5·10⁻⁹)/2, where a + b − c in doubles would
    // keep hardly a digit of it.
    const auto solved = Solve(1, "1", "50000000");
    ASSERT_TRUE(solved.ok());
    const auto details = DetailsOf(solved.value());
    ASSERT_TRUE(details.has_value());
    EXPECT_NEAR(details->r, 0.4999999975, 1e-15);
}

} // namespace
