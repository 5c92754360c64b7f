#include "solver/element/exact_legs.h"
#include "solver/exact/exact_text.h"
#include "solver/number/typed_number.h"
#include "solver/relation/relation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using triangle::Element;
using triangle::Fact;

Fact relation(const char* text)
{
    const auto read = triangle::ReadRelation(text, {});
    EXPECT_TRUE(read.ok()) << text;
    return read.ok() ? Fact{read.value()} : Fact{};
}

Fact given(Element element, const char* text)
{
    const auto typed = triangle::ReadTypedNumber(text);
    EXPECT_TRUE(typed.ok()) << text;
    return triangle::GivenElement{element, typed.value().value, typed.value().exact};
}

std::string written(const triangle::ExactNumber& x)
{
    return triangle::WriteExact(x, {}).value_or("none");
}

struct Case {
    const char* name;
    Fact first;
    Fact second;
    double a; // the legs as a numerical solution gives them, to the last bit or so
    double b;
    const char* exactA; // "" where the legs must not be taken as exact
    const char* exactB;
};

// Worked by hand. c − a = 2, c − b = 16: (c − 2)² + (c − 16)² = c² gives c = 26, legs 24 and
// 10. h = 4,8 with m_a = √73: legs 6 and 8 (h = 48/10, m_a² = 64 + 9); and the second triangle
// c = 73/5, a² = 4672/25, b² = 657/25: a = 8√73/5, b = 3√73/5, h = ab/c = 24/5.
TEST(ExactLegs, TakesLegsAsExactOnlyWhereBothFactsHoldExactly)
{
    // Made here, not before main: the reader's tables are other files' statics.
    const Case cases[] = {
        {"differences", relation("c-a=2"), relation("c-b=16"), 24.000000000000004,
         9.999999999999998, "24", "10"},
        {"heightWithMedian", given(Element::h, "4.8"), given(Element::mA, "√73"), 6.0,
         8.000000000000002, "6", "8"},
        {"heightWithMedianSecond", given(Element::h, "4.8"), given(Element::mA, "√73"),
         8.0 * std::sqrt(73.0) / 5.0, 3.0 * std::sqrt(73.0) / 5.0, "8√73/5", "3√73/5"},
        // Legs near 24 and 10 but not theirs to the last bits: another triangle.
        {"nearButNot", relation("c-a=2"), relation("c-b=16"), 24.0 + 1e-9, 10.0, "", ""},
        // Exact legs that do not fit the facts exactly: 24 and 10 do not make c − b = 15.
        {"factsDisagree", relation("c-a=2"), relation("c-b=15"), 24.0, 10.0, "", ""},
    };
    for (const Case& c : cases) {
        const auto legs = triangle::facts::ExactLegs(c.a, c.b, c.first, c.second);
        if (std::string(c.exactA).empty()) {
            EXPECT_FALSE(legs) << c.name;
            continue;
        }
        ASSERT_TRUE(legs) << c.name;
        EXPECT_EQ(written(legs->first.exact), c.exactA) << c.name;
        EXPECT_EQ(written(legs->second.exact), c.exactB) << c.name;
        EXPECT_NEAR(legs->first.value, c.a, 1e-12 * c.a) << c.name;
    }
}

} // namespace
