#include "solver/element/fact_solver.h"

#include "tests/element_named.h"
#include "tests/table_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using triangle::Element;
using triangle::ElementBound;
using triangle::GivenElement;

struct BoundRow {
    std::string name;
    Element other = Element::a;
    double otherValue = 0.0;
    Element cevian = Element::mA;
    bool high = false;
    bool reached = false;
    double bound = 0.0;
    double inside = 0.0;
    double outside = 0.0;
};

// The bound the refusal names: the textbook's own for m_a with b and for l_c with c, R or a
// leg, the range otherwise.
ElementBound expectedBound(const BoundRow& row)
{
    if ((row.cevian == Element::mA && row.other == Element::b) ||
        (row.cevian == Element::mB && row.other == Element::a))
        return ElementBound::MedianAboveOtherLeg;
    if (row.cevian == Element::lC) {
        switch (row.other) {
        case Element::c:
            return ElementBound::BisectorAtMostHalfHypotenuse;
        case Element::R:
            return ElementBound::BisectorAtMostCircumradius;
        case Element::a:
        case Element::b:
            return ElementBound::BisectorBelowLegShare;
        default:
            break;
        }
    }
    return ElementBound::CevianBetween;
}

// Each end of the range of every median and bisector with a length, the area or another of
// them, as mpmath found it (cevian_bounds.tsv): a value a thousandth inside the end solves,
// one a thousandth and a hundredth beyond it is refused, naming the end with its value, and
// for the range whether a triangle reaches it.
TEST(CevianBounds, EachEndSolvesWithinAndRefusesBeyondWithItsValue)
{
    const auto rows = tests::ReadTableRows<BoundRow>(
        TRIANGLE_CEVIAN_BOUNDS, [](std::istringstream& line, BoundRow& row) {
            std::string other, value, cevian, end, reached, bound, inside, outside;
            std::getline(line, row.name, '\t');
            std::getline(line, other, '\t');
            std::getline(line, value, '\t');
            std::getline(line, cevian, '\t');
            std::getline(line, end, '\t');
            std::getline(line, reached, '\t');
            std::getline(line, bound, '\t');
            std::getline(line, inside, '\t');
            std::getline(line, outside, '\t');
            row.other = tests::ElementNamed(other);
            row.otherValue = std::stod(value);
            row.cevian = tests::ElementNamed(cevian);
            row.high = end == "high";
            row.reached = reached == "1";
            row.bound = std::stod(bound);
            row.inside = std::stod(inside);
            row.outside = std::stod(outside);
        });
    ASSERT_GE(rows.size(), 60u);
    for (const BoundRow& row : rows) {
        const GivenElement other{row.other, row.otherValue, {}};
        const auto within = triangle::SolveFacts(other, GivenElement{row.cevian, row.inside, {}});
        EXPECT_TRUE(within.ok()) << row.name << " inside";
        const auto beyond = triangle::SolveFacts(other, GivenElement{row.cevian, row.outside, {}});
        ASSERT_FALSE(beyond.ok()) << row.name << " outside";
        const triangle::ElementRefusal& refusal = beyond.fault();
        EXPECT_EQ(refusal.reason, triangle::ElementRefusalReason::Bound) << row.name;
        const ElementBound bound = expectedBound(row);
        EXPECT_EQ(refusal.bound, bound) << row.name;
        EXPECT_EQ(refusal.field, row.cevian) << row.name;
        EXPECT_NEAR(refusal.boundValue.value_or(0.0), row.bound, 1e-7 * row.bound) << row.name;
        if (bound != ElementBound::CevianBetween)
            continue;
        const auto& end = row.high ? refusal.range.high : refusal.range.low;
        EXPECT_NEAR(end.value_or(0.0), row.bound, 1e-7 * row.bound) << row.name;
        EXPECT_EQ(row.high ? refusal.range.highReached : refusal.range.lowReached, row.reached)
            << row.name;
    }
}

// Slender triangles, legs 1 : 20 to 1 : 50 (slender_table.tsv, from mpmath): every pair of a
// median or bisector with another element, typed back as the window shows them, gives a
// triangle whose two given elements are those typed within their typing. A trigonometric
// value shown as 1,000 is left out: a sine or cosine of 1 is the flat triangle.
TEST(CevianBounds, SlenderTrianglesSolveFromEveryPairWithAMedianOrBisector)
{
    struct Shown {
        std::string name;
        std::vector<double> values; // in Element's order
    };
    const auto rows = tests::ReadTableRows<Shown>(TRIANGLE_SLENDER_TABLE,
                                                  [](std::istringstream& line, Shown& row) {
                                                      std::string text;
                                                      std::getline(line, row.name, '\t');
                                                      while (std::getline(line, text, '\t'))
                                                          row.values.push_back(std::stod(text));
                                                  });
    ASSERT_GE(rows.size(), 7u);
    constexpr double typing = 0.0005 + 1e-9;
    for (const Shown& row : rows) {
        ASSERT_EQ(row.values.size(), static_cast<std::size_t>(triangle::ElementCount)) << row.name;
        for (int i = static_cast<int>(Element::mA); i < triangle::ElementCount; ++i) {
            for (int j = 0; j < triangle::ElementCount; ++j) {
                const auto first = static_cast<Element>(i);
                const auto second = static_cast<Element>(j);
                const double x = row.values[static_cast<std::size_t>(i)];
                const double y = row.values[static_cast<std::size_t>(j)];
                if (i == j || (triangle::IsTrigonometric(second) && y == 1.0))
                    continue;
                const auto solved =
                    triangle::SolveFacts(GivenElement{first, x, {}}, GivenElement{second, y, {}});
                const std::string pair = row.name + " " + triangle::ElementSymbol(first) + " " +
                                         triangle::ElementSymbol(second);
                ASSERT_TRUE(solved.ok()) << pair;
                const auto& triangle = solved.value().triangle;
                EXPECT_NEAR(triangle::ElementOf(triangle, first), x, typing) << pair;
                EXPECT_NEAR(triangle::ElementOf(triangle, second), y, typing) << pair;
            }
        }
    }
}

// Legs 1 and 7 have m_b = √(1 + 49/4) and P = 8 + √50, which another triangle has too, its
// angle α only 0,07° away (8,1301° and 8,2001°, by mpmath): both come back. And l_c past c/2
// by less than half a thousandth is the isosceles triangle, a = b = c/√2.
TEST(CevianBounds, CloseTrianglesBothComeBackAndTheIsoscelesIsReadWithinTyping)
{
    const GivenElement median{Element::mB, 3.640054944640259, {}};
    const GivenElement perimeter{Element::P, 15.071067811865476, {}};
    const double legs[2][2] = {{1.0, 7.0}, {1.0080630322928899, 6.9953724483902825}};
    for (int which = 0; which < 2; ++which) {
        const auto solved = triangle::SolveFacts(median, perimeter, which);
        ASSERT_TRUE(solved.ok()) << which;
        EXPECT_EQ(solved.value().count, 2) << which;
        EXPECT_NEAR(solved.value().triangle.a, legs[which][0], 1e-9) << which;
        EXPECT_NEAR(solved.value().triangle.b, legs[which][1], 1e-9) << which;
    }
    const auto isosceles = triangle::SolveFacts(GivenElement{Element::lC, 5.0004, {}},
                                                GivenElement{Element::c, 10.0, {}});
    ASSERT_TRUE(isosceles.ok());
    EXPECT_NEAR(isosceles.value().triangle.a, 7.0710678118654752, 1e-6);
    EXPECT_NEAR(isosceles.value().triangle.b, 7.0710678118654752, 1e-6);
}

// m_a² = c² − 3a²/4 runs from c²/4 (a = c, flat) to c² (a = 0, flat): with c = 10, m_a = 5 is
// a flat triangle's and is refused; 4,9996, four decimals, stands for a rounded value that
// a real triangle has within its typing.
TEST(CevianBounds, AFlatLimitIsStrictForExactValuesAndReadWithinTypingForRoundedOnes)
{
    const GivenElement hypotenuse{Element::c, 10.0, {}};
    EXPECT_FALSE(triangle::SolveFacts(hypotenuse, GivenElement{Element::mA, 5.0, {}}).ok());
    EXPECT_FALSE(triangle::SolveFacts(hypotenuse, GivenElement{Element::mA, 10.0, {}}).ok());
    const auto rounded = triangle::SolveFacts(hypotenuse, GivenElement{Element::mA, 4.9996, {}});
    ASSERT_TRUE(rounded.ok());
    EXPECT_GT(rounded.value().triangle.a, 9.99);
}

// l_c − h = 1 with a = 76 fits three triangles (mpmath: α = 34,810°, 57,563°, 87,940°); the
// window offers two, and both must be triangles of the facts.
TEST(CevianBounds, AThirdTriangleIsNotOfferedAndTheTwoOfferedFitTheFacts)
{
    triangle::Relation relation;
    relation.kind = triangle::RelationKind::Difference;
    relation.left = Element::lC;
    relation.right = Element::h;
    relation.first = triangle::TypedNumber{1.0, triangle::ExactNumber::integer(1), false};
    const GivenElement leg{Element::a, 76.0, triangle::ExactNumber::integer(76)};
    for (int which = 0; which < 2; ++which) {
        const auto solved = triangle::SolveFacts(relation, leg, which);
        ASSERT_TRUE(solved.ok()) << which;
        EXPECT_EQ(solved.value().count, 2) << which;
        const auto& t = solved.value().triangle;
        EXPECT_NEAR(t.a, 76.0, 1e-9) << which;
        const double bisector = std::sqrt(2.0) * t.a * t.b / (t.a + t.b);
        EXPECT_NEAR(bisector - t.h, 1.0, 1e-9) << which;
    }
}

} // namespace
