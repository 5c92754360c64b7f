#include "solver/formula/formula.h"

#include "tests/regions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

using namespace triangle;
using namespace triangle::formula;

namespace {

constexpr Constant two{2.0, "2"};
constexpr Constant eight{8.0, "8"};

// Values whose sums and products round, so that a changed grouping would show in the bits.
const Quantity a{"a", Checked(0.1)};
const Quantity b{"b", Checked(0.2)};
const Quantity c{"c", Checked(0.3)};
const Quantity P{"P", Checked(1.7)};
const Quantity S{"S", Checked(-0.25)};

struct FormulaCase {
    const char* name;
    Step made;
    const char* formula;
    const char* substituted;
    double plain; // the same formula in bare doubles, in the written grouping
};

Step stepOf(const char* name, const auto& term)
{
    Steps steps(regions::bgBG());
    step(&steps, name, term);
    return steps.list().at(0);
}

TEST(Formula, WritesAndComputesEachShapeAsGrouped)
{
    const FormulaCase cases[] = {
        {"sumLeftToRight", stepOf("P", (a + b) + c), "a + b + c", "0,100 + 0,200 + 0,300",
         (0.1 + 0.2) + 0.3},
        {"sumGroupedRight", stepOf("x", a + (b + c)), "a + (b + c)", "0,100 + (0,200 + 0,300)",
         0.1 + (0.2 + 0.3)},
        {"differenceOfASum", stepOf("c", P - (a + b)), "P − (a + b)", "1,700 − (0,100 + 0,200)",
         1.7 - (0.1 + 0.2)},
        {"squaresUnderARoot", stepOf("b", sqrt(c * c - a * a)), "√(c² − a²)", "√(0,300² − 0,100²)",
         std::sqrt(0.3 * 0.3 - 0.1 * 0.1)},
        {"squareOfADifference", stepOf("t", (P - c) * (P - c) - eight * b), "(P − c)² − 8·b",
         "(1,700 − 0,300)² − 8·0,200", (1.7 - 0.3) * (1.7 - 0.3) - 8.0 * 0.2},
        {"quotientOfProducts", stepOf("b", (P * P - (two * P) * a) / (two * P - two * a)),
         "(P² − 2·P·a) / (2·P − 2·a)", "(1,700² − 2·1,700·0,100) / (2·1,700 − 2·0,100)",
         (1.7 * 1.7 - (2.0 * 1.7) * 0.1) / (2.0 * 1.7 - 2.0 * 0.1)},
        {"productOverConstant", stepOf("S", (a * b) / two), "a·b / 2", "0,100·0,200 / 2",
         (0.1 * 0.2) / 2.0},
        {"productOfAQuotient", stepOf("x", a * (b / c)), "a·(b / c)", "0,100·(0,200 / 0,300)",
         0.1 * (0.2 / 0.3)},
        {"negativeValueBracketed", stepOf("x", two * S), "2·S", "2·(-0,250)", 2.0 * -0.25},
    };
    for (const FormulaCase& expected : cases) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(expected.made.formula, expected.formula);
        EXPECT_EQ(expected.made.substituted, expected.substituted);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(expected.made.result),
                  std::bit_cast<std::uint64_t>(expected.plain));
    }
}

TEST(Formula, StopsWhereTheCheckedOperationStops)
{
    const Quantity zero{"z", Checked(0.0)};
    EXPECT_THROW(step(nullptr, "x", a / zero), CalculationStopped);
    EXPECT_THROW(step(nullptr, "x", sqrt(a - b)), CalculationStopped);
}

TEST(Formula, KeepsNoStepsWhenNoneAreAsked)
{
    const Quantity x = step(nullptr, "x", (a + b) + c);
    EXPECT_STREQ(x.name(), "x");
    EXPECT_EQ(x.value().value(), (0.1 + 0.2) + 0.3);
}

} // namespace
