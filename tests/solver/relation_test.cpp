#include "solver/relation/relation.h"

#include "tests/regions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

using triangle::Element;
using triangle::ReadRelation;
using triangle::RelationKind;
using triangle::RelationTextProblem;
using triangle::WriteRelation;
using Problem = triangle::FieldTextProblem;

// √3 and 2√3 to the last digit a double holds, worked out by hand from 1,7320508075688772935.
constexpr double Root3 = 1.7320508075688772;
constexpr double TwoRoot3 = 3.4641016151377544;

struct ReadRow {
    std::string name;
    std::string text;
    RelationKind kind;
    Element left;
    Element right;
    double first;
    double second; // the ratio's second term; 0 for the other kinds
    std::string written;
    bool period = false; // read and written in the period region rather than the Bulgarian
};

const std::vector<ReadRow> readRows = {
    {"ratio", "a : b = 5 : 12", RelationKind::Ratio, Element::a, Element::b, 5, 12,
     "a : b = 5 : 12"},
    {"ratio_tight", "a:b=5:12", RelationKind::Ratio, Element::a, Element::b, 5, 12,
     "a : b = 5 : 12"},
    {"ratio_projections", "a₁ : b₁ = 2 : 3", RelationKind::Ratio, Element::a1, Element::b1, 2, 3,
     "a₁ : b₁ = 2 : 3"},
    {"ratio_projections_digits", "a1:b1=2:3", RelationKind::Ratio, Element::a1, Element::b1, 2, 3,
     "a₁ : b₁ = 2 : 3"},
    {"ratio_hypotenuse_first", "c : a = 13 : 5", RelationKind::Ratio, Element::c, Element::a, 13, 5,
     "c : a = 13 : 5"},
    {"ratio_radii", " R:r = 5 : 2 ", RelationKind::Ratio, Element::R, Element::r, 5, 2,
     "R : r = 5 : 2"},
    {"ratio_fraction", "a : b = 1/2 : 3", RelationKind::Ratio, Element::a, Element::b, 0.5, 3,
     "a : b = 1/2 : 3"},
    {"ratio_cyrillic_legs", "а : б = 3 : 4", RelationKind::Ratio, Element::a, Element::b, 3, 4,
     "a : b = 3 : 4"},
    {"ratio_cyrillic_perimeter", "Р : с = 12 : 5", RelationKind::Ratio, Element::P, Element::c, 12,
     5, "P : c = 12 : 5"},
    {"ratio_cyrillic_projection", "а₁ : с = 1 : 4", RelationKind::Ratio, Element::a1, Element::c, 1,
     4, "a₁ : c = 1 : 4"},
    {"sum", "a + b = 23", RelationKind::Sum, Element::a, Element::b, 23, 0, "a + b = 23"},
    {"sum_root", "a+b=2√3", RelationKind::Sum, Element::a, Element::b, TwoRoot3, 0, "a + b = 2√3"},
    {"sum_three_decimals", "a + b = 3,464", RelationKind::Sum, Element::a, Element::b, 3.464, 0,
     "a + b = 3,464"},
    {"sum_grouped", "c + h = 1 234,5", RelationKind::Sum, Element::c, Element::h, 1234.5, 0,
     "c + h = 1\u00A0234,5"},
    {"difference", "c − a = 1", RelationKind::Difference, Element::c, Element::a, 1, 0,
     "c − a = 1"},
    {"difference_hyphen", "c-a=1", RelationKind::Difference, Element::c, Element::a, 1, 0,
     "c − a = 1"},
    {"difference_en_dash", "b – a = 14", RelationKind::Difference, Element::b, Element::a, 14, 0,
     "b − a = 14"},
    {"multiple", "c = 2a", RelationKind::Multiple, Element::c, Element::a, 2, 0, "c = 2a"},
    {"multiple_tight", "c=2a", RelationKind::Multiple, Element::c, Element::a, 2, 0, "c = 2a"},
    {"multiple_dot", "c = 2·a", RelationKind::Multiple, Element::c, Element::a, 2, 0, "c = 2a"},
    {"multiple_star", "c = 2*a", RelationKind::Multiple, Element::c, Element::a, 2, 0, "c = 2a"},
    {"multiple_root_after", "b = a√3", RelationKind::Multiple, Element::b, Element::a, Root3, 0,
     "b = a√3"},
    {"multiple_sqrt_word", "b = a*sqrt(3)", RelationKind::Multiple, Element::b, Element::a, Root3,
     0, "b = a√3"},
    {"multiple_both_sides", "b = 2a√3", RelationKind::Multiple, Element::b, Element::a, TwoRoot3, 0,
     "b = 2a√3"},
    {"multiple_decimal", "c=2,5a", RelationKind::Multiple, Element::c, Element::a, 2.5, 0,
     "c = 2,5·a"},
    {"multiple_fraction", "c = 5/3 · a", RelationKind::Multiple, Element::c, Element::a,
     1.6666666666666667, 0, "c = 5/3·a"},
    {"multiple_one", "b = a", RelationKind::Multiple, Element::b, Element::a, 1, 0, "b = a"},
    {"multiple_period_region", "c = 2.5a", RelationKind::Multiple, Element::c, Element::a, 2.5, 0,
     "c = 2.5·a", true},
    {"angles_ratio", "α : β = 1 : 5", RelationKind::Ratio, Element::alpha, Element::beta, 1, 5,
     "α : β = 1 : 5"},
    {"angles_difference", "α − β = 40°", RelationKind::Difference, Element::alpha, Element::beta,
     40, 0, "α − β = 40°"},
    {"angles_plain_names", "alpha-beta=40", RelationKind::Difference, Element::alpha, Element::beta,
     40, 0, "α − β = 40°"},
    {"angles_bulgarian_names", "бета : алфа = 1 : 2", RelationKind::Ratio, Element::beta,
     Element::alpha, 1, 2, "β : α = 1 : 2"},
    {"angles_minutes", "α − β = 12°30′", RelationKind::Difference, Element::alpha, Element::beta,
     12.5, 0, "α − β = 12,5°"},
    {"angles_multiple", "β = 2alpha", RelationKind::Multiple, Element::beta, Element::alpha, 2, 0,
     "β = 2α"},
    {"median_ratio", "m_a : b = 5 : 3", RelationKind::Ratio, Element::mA, Element::b, 5, 3,
     "m_a : b = 5 : 3"},
    {"medians_plain_cyrillic", "ма : мб = 1 : 2", RelationKind::Ratio, Element::mA, Element::mB, 1,
     2, "m_a : m_b = 1 : 2"},
    {"bisector_difference", "lb-la=1", RelationKind::Difference, Element::lB, Element::lA, 1, 0,
     "l_b − l_a = 1"},
    {"bisector_of_right_angle", "l_c + h = 7", RelationKind::Sum, Element::lC, Element::h, 7, 0,
     "l_c + h = 7"},
    {"multiple_of_median", "c = 2m_b", RelationKind::Multiple, Element::c, Element::mB, 2, 0,
     "c = 2m_b"},
};

// Every form reads as the relation worked out by hand, is written in the book's form, and
// that text reads back as the same relation, exact values included.
TEST(Relation, EachFormReadsWritesAndReadsBack)
{
    for (const ReadRow& row : readRows) {
        SCOPED_TRACE(row.name + ": " + row.text);
        const triangle::NumberFormat region = row.period ? regions::enUS() : regions::bgBG();
        const auto read = ReadRelation(row.text, region);
        ASSERT_TRUE(read.ok()) << static_cast<int>(read.fault().problem);
        const triangle::Relation& r = read.value();
        EXPECT_EQ(r.kind, row.kind);
        EXPECT_EQ(r.left, row.left);
        EXPECT_EQ(r.right, row.right);
        EXPECT_NEAR(r.first.value, row.first, 0x1p-52 * row.first);
        if (row.kind == RelationKind::Ratio) {
            EXPECT_NEAR(r.second.value, row.second, 0x1p-52 * row.second);
        }
        const std::string written = WriteRelation(r, region);
        EXPECT_EQ(written, row.written);
        const auto again = ReadRelation(written, region);
        ASSERT_TRUE(again.ok());
        EXPECT_EQ(again.value().kind, r.kind);
        EXPECT_EQ(again.value().left, r.left);
        EXPECT_EQ(again.value().right, r.right);
        for (const auto& [back, typed] :
             {std::pair{again.value().first, r.first}, std::pair{again.value().second, r.second}}) {
            EXPECT_EQ(back.value, typed.value);
            EXPECT_EQ(back.exact.exists(), typed.exact.exists());
            if (typed.exact.exists()) {
                EXPECT_TRUE(triangle::ExactlyEquals(back.exact, typed.exact));
            }
        }
    }
}

struct FaultRow {
    std::string name;
    std::string text;
    RelationTextProblem problem;
    Problem number = Problem::Empty; // with NumberText
};

const std::vector<FaultRow> faultRows = {
    {"empty", " \t ", RelationTextProblem::Empty},
    {"no_equals", "a : b", RelationTextProblem::NotARelation},
    {"two_equals", "a = b = c", RelationTextProblem::NotARelation},
    {"second_term_missing", "a:b=5:", RelationTextProblem::NotARelation},
    {"sum_missing", "a + b =", RelationTextProblem::NotARelation},
    {"ratio_of_one_number", "a : b = 5", RelationTextProblem::NotARelation},
    {"sum_of_a_ratio", "a + b = 5 : 12", RelationTextProblem::NotARelation},
    {"a_value", "c = 5", RelationTextProblem::NotARelation},
    {"multiple_of_two", "c = a + b", RelationTextProblem::NotARelation},
    {"number_on_the_left", "2a = c", RelationTextProblem::NotARelation},
    {"product_on_the_left", "a · b = 12", RelationTextProblem::NotARelation},
    {"unknown_name", "x + b = 3", RelationTextProblem::UnknownElement},
    {"unknown_factor_name", "c = 2x", RelationTextProblem::UnknownElement},
    {"capital_vertex", "A : b = 1 : 2", RelationTextProblem::UnknownElement},
    {"length_with_angle", "a : α = 1 : 2", RelationTextProblem::MixedKinds},
    {"area", "S : a = 1 : 2", RelationTextProblem::MixedKinds},
    {"area_cyrillic", "С + а = 3", RelationTextProblem::MixedKinds},
    {"trigonometric", "sin α : cos α = 3 : 4", RelationTextProblem::MixedKinds},
    {"angle_multiple_of_length", "α = 2a", RelationTextProblem::MixedKinds},
    {"same_element", "a : a = 1 : 2", RelationTextProblem::SameElement},
    {"median_with_angle", "ma : α = 1 : 2", RelationTextProblem::MixedKinds},
    {"median_spelt_twice", "m_a - ma = 1", RelationTextProblem::SameElement},
    {"same_element_spelt_twice", "alpha - α = 3", RelationTextProblem::SameElement},
    {"blank_inside_number", "a + b = 3 5", RelationTextProblem::NumberText, Problem::BlankInside},
    {"degrees_on_a_length", "a + b = 40°", RelationTextProblem::NumberText, Problem::NotOneNumber},
    {"letters_after_number", "a + b = 12cm", RelationTextProblem::NumberText,
     Problem::NotOneNumber},
    {"zero_term", "a : b = 0 : 1", RelationTextProblem::NotPositive},
    {"negative_difference", "c − a = −1", RelationTextProblem::NotPositive},
    {"zero_factor", "c = 0a", RelationTextProblem::NotPositive},
};

TEST(Relation, EachFaultIsNamed)
{
    for (const FaultRow& row : faultRows) {
        SCOPED_TRACE(row.name + ": " + row.text);
        const auto read = ReadRelation(row.text, regions::bgBG());
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.fault().problem, row.problem);
        if (row.problem == RelationTextProblem::NumberText) {
            EXPECT_EQ(read.fault().number, row.number);
        }
    }
}

} // namespace
