#include "solver/element/element_solver.h"
#include "solver/exact/exact_text.h"
#include "solver/formula/steps.h"

#include "tests/element_named.h"
#include "tests/regions.h"
#include "tests/table_rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using triangle::Element;
using triangle::ElementRefusalReason;

struct TrigRow {
    std::string name;
    std::string trig;
    std::string trigText;
    std::string other;
    std::string otherText;
    std::string expected; // "solved" or the refusal's reason
    std::string exact[3]; // a, b, c in the canonical form, "none" where no form is shown
    std::string value[3]; // sympy's, to 17 digits
};

const char* reasonName(ElementRefusalReason reason)
{
    switch (reason) {
    case ElementRefusalReason::OnlyTheShape:
        return "OnlyTheShape";
    case ElementRefusalReason::ShapeContradicts:
        return "ShapeContradicts";
    case ElementRefusalReason::Bound:
        return "Bound";
    case ElementRefusalReason::NotPositive:
        return "NotPositive";
    default:
        return "another reason";
    }
}

triangle::GivenElement given(Element element, const std::string& text)
{
    const auto read = triangle::ReadGivenElement(element, text, regions::bgBG());
    EXPECT_TRUE(read.ok()) << text;
    return {element, read.ok() ? read.value().value : 0.0,
            read.ok() ? read.value().exact : triangle::ExactNumber()};
}

// Each pair of tests/solver/trig/trig_table.tsv, a trigonometric value as typed with a length,
// the area or the perimeter, solved with steps: the legs and the hypotenuse exactly as sympy
// found them, in the same canonical form, and their doubles within a few roundings; each
// refusal with its reason.
TEST(TrigonometricElements, TablePairsGiveTheLegsSympyFound)
{
    const auto rows =
        tests::ReadTableRows<TrigRow>(TRIANGLE_TRIG_TABLE, [](std::istream& fields, TrigRow& row) {
            for (std::string* field : {&row.name, &row.trig, &row.trigText, &row.other,
                                       &row.otherText, &row.expected, &row.exact[0], &row.exact[1],
                                       &row.exact[2], &row.value[0], &row.value[1], &row.value[2]})
                std::getline(fields, *field, '\t');
        });
    ASSERT_GE(rows.size(), 20u) << "the table " << TRIANGLE_TRIG_TABLE;
    const char* legs[3] = {"a", "b", "c"};
    for (const TrigRow& row : rows) {
        SCOPED_TRACE(row.name + ": " + row.trig + " = " + row.trigText + ", " + row.other + " = " +
                     row.otherText);
        triangle::Steps steps(regions::bgBG());
        triangle::Steps rest(regions::bgBG());
        const auto solved = triangle::SolveGivenElements(
            given(tests::ElementNamed(row.trig), row.trigText),
            given(tests::ElementNamed(row.other), row.otherText), &steps, &rest);
        if (row.expected != "solved") {
            ASSERT_FALSE(solved.ok());
            EXPECT_EQ(reasonName(solved.fault().reason), row.expected);
            continue;
        }
        ASSERT_TRUE(solved.ok()) << reasonName(solved.fault().reason);
        const double values[3] = {solved.value().a, solved.value().b, solved.value().c};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(legs[i]);
            const std::string shown =
                rest.showsExact()
                    ? triangle::WriteExact(rest.exactOf(legs[i]), regions::bgBG()).value_or("none")
                    : "none";
            EXPECT_EQ(shown, row.exact[i]);
            const double expected = std::stod(row.value[i]);
            EXPECT_NEAR(values[i], expected, 0x1p-49 * expected);
        }
    }
}

// The trigonometric values of a whole triangle come from its legs and hypotenuse, the β ones
// being the α ones swapped: the 7, 24, 25 triangle by hand.
TEST(TrigonometricElements, WholeTriangleGivesTheRatiosOfItsSides)
{
    triangle::TriangleDetails whole;
    whole.a = 7.0;
    whole.b = 24.0;
    whole.c = 25.0;
    const std::pair<Element, double> expected[] = {
        {Element::sinAlpha, 7.0 / 25.0}, {Element::cosAlpha, 24.0 / 25.0},
        {Element::tgAlpha, 7.0 / 24.0},  {Element::cotgAlpha, 24.0 / 7.0},
        {Element::sinBeta, 24.0 / 25.0}, {Element::cosBeta, 7.0 / 25.0},
        {Element::tgBeta, 24.0 / 7.0},   {Element::cotgBeta, 7.0 / 24.0}};
    for (const auto& [element, value] : expected)
        EXPECT_EQ(triangle::ElementOf(whole, element), value) << ElementSymbol(element);
}

} // namespace
