#include "solver/element/fact_solver.h"
#include "solver/exact/exact_text.h"
#include "solver/formula/steps.h"

#include "tests/element_named.h"
#include "tests/regions.h"
#include "tests/table_rows.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

using triangle::Element;
using triangle::ElementBound;
using triangle::ElementRefusalReason;
using triangle::Fact;
using triangle::GivenElement;
using triangle::Relation;
using triangle::RelationKind;

triangle::TypedNumber numberOf(const std::string& text)
{
    const auto typed = triangle::ReadTypedNumber(text);
    EXPECT_TRUE(typed.ok()) << text;
    return typed.ok() ? typed.value() : triangle::TypedNumber{};
}

// "value m_a 7.211", "ratio a b 5 12", "sum a b 23", "difference c a 1", "multiple b a √3".
Fact factOf(const std::string& text)
{
    std::istringstream words(text);
    std::string kind, left, right, first, second;
    words >> kind >> left >> right;
    if (kind == "value")
        return GivenElement{tests::ElementNamed(left), numberOf(right).value,
                            numberOf(right).exact};
    words >> first >> second;
    Relation relation;
    relation.kind = kind == "ratio"      ? RelationKind::Ratio
                    : kind == "sum"      ? RelationKind::Sum
                    : kind == "multiple" ? RelationKind::Multiple
                                         : RelationKind::Difference;
    relation.left = tests::ElementNamed(left);
    relation.right = tests::ElementNamed(right);
    relation.first = numberOf(first);
    if (!second.empty())
        relation.second = numberOf(second);
    return relation;
}

struct FactRow {
    std::string name;
    std::string first;
    std::string second;
    int count = 0;
    int which = 0;
    std::vector<std::string> shown; // a, b, c, α, h, a₁, b₁, S, P, r, R, m_a, m_b, l_a, l_b, l_c
};

constexpr Element shownElements[] = {Element::a,  Element::b,  Element::c,  Element::alpha,
                                     Element::h,  Element::a1, Element::b1, Element::S,
                                     Element::P,  Element::r,  Element::R,  Element::mA,
                                     Element::mB, Element::lA, Element::lB, Element::lC};

std::string threeDecimals(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::string shown = text;
    shown[shown.find('.')] = ',';
    return shown;
}

// Every kind of fact with a median or a bisector, and every kind of relation, at least
// twenty triangles each, against mpmath's: the shown texts are those of the exact triangle
// for all but one in a thousand, none is refused, and where two triangles fit both are
// found.
TEST(FactAccuracy, EveryKindOfFactGivesTheExactTrianglesTexts)
{
    const auto rows = tests::ReadTableRows<FactRow>(TRIANGLE_FACTS_TABLE,
                                                    [](std::istringstream& line, FactRow& row) {
                                                        std::string count, which, text;
                                                        std::getline(line, row.name, '\t');
                                                        std::getline(line, row.first, '\t');
                                                        std::getline(line, row.second, '\t');
                                                        std::getline(line, count, '\t');
                                                        std::getline(line, which, '\t');
                                                        row.count = std::stoi(count);
                                                        row.which = std::stoi(which);
                                                        while (std::getline(line, text, '\t'))
                                                            row.shown.push_back(text);
                                                    });
    ASSERT_GE(rows.size(), 1000u);
    int texts = 0;
    int equal = 0;
    for (const FactRow& row : rows) {
        const auto solved = triangle::SolveFacts(factOf(row.first), factOf(row.second), row.which);
        ASSERT_TRUE(solved.ok()) << row.name << ": reason "
                                 << static_cast<int>(solved.fault().reason);
        EXPECT_EQ(solved.value().count, row.count) << row.name;
        ASSERT_EQ(row.shown.size(), std::size(shownElements)) << row.name;
        for (std::size_t i = 0; i < row.shown.size(); ++i) {
            const std::string shown =
                threeDecimals(triangle::ElementOf(solved.value().triangle, shownElements[i]));
            ++texts;
            if (shown == row.shown[i])
                ++equal;
            else
                ADD_FAILURE() << row.name << " " << triangle::ElementSymbol(shownElements[i])
                              << ": " << shown << " against " << row.shown[i];
        }
    }
    EXPECT_GE(equal, texts - texts / 1000);
}

// The textbook's exact answers: a ratio of the legs is tg α, c − a with b is
// b² = (c − a)(c + a), m_a with b is a = 2√(m_a² − b²).
TEST(FactExact, TheTextbooksClosedFormsGiveExactValues)
{
    struct Case {
        const char* name;
        const char* first;
        const char* second;
        const char* exact[3]; // a, b, c
    };
    const Case cases[] = {
        {"ratioOfLegs", "ratio a b 5 12", "value c 26", {"10", "24", "26"}},
        {"hypotenuseLessLeg", "difference c a 1", "value b 7", {"24", "7", "25"}},
        {"medianWithLeg", "value m_a √52", "value b 6", {"8", "6", "10"}},
        // b = a√3: tg α = √3/3, α = 30°, a = c/2.
        {"multipleOfLeg", "multiple b a √3", "value c 10", {"5", "5√3", "10"}},
        // a + b = 23, c = 17: a, b = (23 ∓ √(578 − 529))/2 = 8 and 15.
        {"sumOfLegs", "sum a b 23", "value c 17", {"8", "15", "17"}},
        // α : β = 1 : 5: α = 15°; α − β = 40°: α = 65°.
        {"angleRatio", "ratio α β 1 5", "value c 2", {"", "", "2"}},
    };
    for (const Case& c : cases) {
        triangle::Steps steps;
        triangle::Steps rest;
        const auto solved =
            triangle::SolveFacts(factOf(c.first), factOf(c.second), 0, &steps, &rest);
        ASSERT_TRUE(solved.ok()) << c.name;
        const char* symbols[3] = {"a", "b", "c"};
        for (int i = 0; i < 3; ++i) {
            if (!*c.exact[i])
                continue;
            const auto exact = rest.exactOf(symbols[i]).exists() ? rest.exactOf(symbols[i])
                                                                 : steps.exactOf(symbols[i]);
            EXPECT_EQ(triangle::WriteExact(exact, {}).value_or("none"), c.exact[i])
                << c.name << " " << symbols[i];
        }
    }
    const auto angle = triangle::SolveFacts(factOf("ratio α β 1 5"), factOf("value c 2"));
    ASSERT_TRUE(angle.ok());
    EXPECT_DOUBLE_EQ(angle.value().triangle.alpha, 15.0);
    const auto difference = triangle::SolveFacts(factOf("difference α β 40"), factOf("value c 2"));
    ASSERT_TRUE(difference.ok());
    EXPECT_DOUBLE_EQ(difference.value().triangle.alpha, 65.0);
}

// Each bound at both sides: refused just beyond, solved just within.
TEST(FactRefusals, EachBoundRefusesBeyondItAndSolvesWithin)
{
    struct Case {
        const char* name;
        const char* first;
        const char* second;
        bool solved;
        ElementRefusalReason reason;
        ElementBound bound;
        double boundValue; // 0 where none is said
    };
    using R = ElementRefusalReason;
    using B = ElementBound;
    const Case cases[] = {
        // c·√2 = 24,0416…: 25 beyond it, 24 within; 24,042 within typing of it.
        {"sumAboveShare", "sum a b 25", "value c 17", false, R::Bound,
         B::SumOfLegsAtMostHypotenuseShare, 24.041630560342615},
        {"sumBelowShare", "sum a b 24", "value c 17", true, R::Bound, B::SumOfLegsAboveHypotenuse,
         0},
        {"sumIsoscelesWithinTyping", "sum a b 24.042", "value c 17", true, R::Bound,
         B::SumOfLegsAboveHypotenuse, 0},
        {"sumEqualsHypotenuse", "sum a b 17", "value c 17", false, R::Bound,
         B::SumOfLegsAboveHypotenuse, 17},
        {"sumAboveHypotenuse", "sum a b 17.01", "value c 17", true, R::Bound,
         B::SumOfLegsAboveHypotenuse, 0},
        {"hypotenuseHalfALeg", "ratio c a 1 2", "value b 3", false, R::Bound, B::HypotenuseLongest,
         0},
        {"hypotenuseLongerThanLeg", "ratio c a 2 1", "value b 3", true, R::Bound,
         B::HypotenuseLongest, 0},
        {"differenceNegative", "difference c a -1", "value b 7", false, R::Bound,
         B::HypotenuseLongest, 0},
        {"differenceAsLongAsLeg", "difference c a 7", "value b 7", false, R::Bound,
         B::DifferenceBelowOtherLeg, 7},
        {"differenceShorterThanLeg", "difference c a 6.99", "value b 7", true, R::Bound,
         B::DifferenceBelowOtherLeg, 0},
        {"medianAsLongAsLeg", "value m_a 6", "value b 6", false, R::Bound, B::MedianAboveOtherLeg,
         6},
        {"medianLongerThanLeg", "value m_a 6.01", "value b 6", true, R::Bound,
         B::MedianAboveOtherLeg, 0},
        {"twoRatios", "ratio a b 3 4", "ratio a c 3 5", false, R::OnlyTheShape, B{}, 0},
        {"twoRatiosDisagree", "ratio a b 3 4", "ratio a c 4 5", false, R::ShapeContradicts, B{}, 0},
        {"ratioOfHypotenuseAndRadius", "ratio c R 2 1", "value a 3", false, R::OnlyTheSize, B{}, 0},
    };
    for (const Case& c : cases) {
        const auto solved = triangle::SolveFacts(factOf(c.first), factOf(c.second));
        ASSERT_EQ(solved.ok(), c.solved) << c.name;
        if (c.solved)
            continue;
        EXPECT_EQ(solved.fault().reason, c.reason) << c.name;
        if (c.reason != R::Bound)
            continue;
        EXPECT_EQ(solved.fault().bound, c.bound) << c.name;
        if (c.boundValue != 0) {
            EXPECT_NEAR(solved.fault().boundValue.value_or(0), c.boundValue, 1e-12) << c.name;
        }
    }
}

// The median's formula as the steps write it, worked by hand for a = 8, b = 6:
// m_a = √(b² + a²/4) = √(36 + 16) = √52 = 2√13 ≈ 7,211.
TEST(FactSteps, TheMedianIsWorkedOutByItsFormula)
{
    triangle::Steps steps(regions::bgBG());
    triangle::Steps rest(regions::bgBG());
    const auto solved = triangle::SolveFacts(GivenElement{Element::a, 8.0, {}},
                                             GivenElement{Element::b, 6.0, {}}, 0, &steps, &rest);
    ASSERT_TRUE(solved.ok());
    const triangle::Step* median = nullptr;
    for (const triangle::Step& step : rest.list())
        if (step.name == "m_a")
            median = &step;
    ASSERT_NE(median, nullptr);
    EXPECT_EQ(median->formula, "√(b² + a² / 4)");
    EXPECT_EQ(median->substituted, "√(6² + 8² / 4)");
    EXPECT_EQ(median->exactRadicand, "√52");
    EXPECT_EQ(median->exactResult, "2√13");
    EXPECT_NEAR(median->result, 7.2111025509, 1e-9);
}

} // namespace
