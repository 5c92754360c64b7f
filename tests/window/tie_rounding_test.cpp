// Values whose exact value lies on a half thousandth, shown by both windows as a person
// rounding by hand writes them, against tests/window/ties/tie_table.tsv, which
// make_tie_table.py wrote from the triangle's identities in fractions.

#include "solver/element/element_solver.h"
#include "solver/exact/tie_rounding.h"
#include "solver/formula/steps.h"
#include "solver/variant/triangle_details.h"
#include "solver/variant/variant_solver.h"
#include "tests/element_named.h"
#include "tests/regions.h"
#include "tests/table_rows.h"
#include "tests/window/fake_controls.h"
#include "tests/window/fake_elements_controls.h"
#include "window/main_form/row_details.h"
#include "window/solution/solution_steps.h"
#include "window/text/ui_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using triangle::Element;

struct TieRow {
    std::string window; // "main" or "elements"
    std::int16_t variant = 0;
    std::string first;
    std::string second;
    std::string quantity;
    std::string expected;
    std::string ofDouble; // what the double alone would show
};

std::ostream& operator<<(std::ostream& out, const TieRow& row)
{
    return out << row.window << " variant " << row.variant + 1 << " " << row.first << ", "
               << row.second << ": " << row.quantity;
}

std::vector<TieRow> tieRows()
{
    return tests::ReadTableRows<TieRow>(
        TRIANGLE_TIE_TABLE, [](std::istringstream& in, TieRow& row) {
            std::getline(in, row.window, '\t');
            std::string variant;
            std::getline(in, variant, '\t');
            row.variant = static_cast<std::int16_t>(std::stoi(variant) - 1);
            std::getline(in, row.first, '\t');
            std::getline(in, row.second, '\t');
            std::getline(in, row.quantity, '\t');
            std::getline(in, row.expected, '\t');
            std::getline(in, row.ofDouble, '\t');
        });
}

std::string inRegion(std::string text, const triangle::NumberFormat& region)
{
    const auto point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, region.decimalSeparator);
    return text;
}

// The value a line of the whole triangle's description ends in: "катет b = 5√3 ≈ 8,660".
std::string detailsValue(const std::string& details, const std::string& symbol)
{
    const std::map<std::string, const char*> names = {{"b", triangle::texts::DetailLegB},
                                                      {"h", triangle::texts::DetailHeight},
                                                      {"r", triangle::texts::DetailInscribed},
                                                      {"R", triangle::texts::DetailCircumscribed}};
    std::istringstream lines(details);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(std::string(names.at(symbol)) + " = ", 0) == 0)
            return line.substr(line.rfind(' ') + 1);
    }
    return "no line for " + symbol;
}

// The row of variant k with its given values typed and calculated, as the main window shows
// the quantity.
std::string shownByMainWindow(const TieRow& row, const triangle::NumberFormat& region)
{
    FakeControls window;
    window.region = region;
    window.logic.Form_Load();
    window.choose(row.variant);
    const triangle::GivenColumns given = triangle::GivenColumnsOf(row.variant);
    const int fields = triangle::ColumnCount * row.variant;
    window.type(fields + given.first, inRegion(row.first, region));
    window.type(fields + given.second, inRegion(row.second, region));
    window.logic.Command1_Click(0);
    const std::string columns[] = {"a", "c", "P", "S"};
    for (int j = 0; j < triangle::ColumnCount; ++j) {
        if (row.quantity == columns[j])
            return window.texts.at(static_cast<std::size_t>(fields + j));
    }
    return detailsValue(window.rowDetails.at(static_cast<std::size_t>(row.variant)), row.quantity);
}

std::string shownByElementsWindow(const TieRow& row, const triangle::NumberFormat& region)
{
    FakeElementsControls window;
    window.region = region;
    window.logic.Form_Load();
    const triangle::GivenColumns given = triangle::GivenColumnsOf(row.variant);
    window.type(triangle::ColumnElement(given.first), inRegion(row.first, region));
    window.type(triangle::ColumnElement(given.second), inRegion(row.second, region));
    window.logic.Calculate();
    return window.texts.at(FakeElementsControls::at(tests::ElementNamed(row.quantity)));
}

// The quantity's double as the solver gives it, which the windows leave as it is.
double solvedDouble(const TieRow& row)
{
    if (row.window == "main") {
        const auto solved = triangle::Solve(row.variant, row.first, row.second);
        const auto details = triangle::DetailsOf(solved.value());
        return triangle::ElementOf(*details, tests::ElementNamed(row.quantity));
    }
    const triangle::GivenColumns given = triangle::GivenColumnsOf(row.variant);
    const auto solved = triangle::SolveElements(triangle::ColumnElement(given.first), row.first,
                                                triangle::ColumnElement(given.second), row.second);
    return triangle::ElementOf(solved.value(), tests::ElementNamed(row.quantity));
}

class TieTest : public testing::TestWithParam<TieRow> {};

TEST_P(TieTest, IsShownRoundedHalfUpFromTheExactValue)
{
    const TieRow& row = GetParam();
    for (const triangle::NumberFormat& region : {regions::enUS(), regions::bgBG()}) {
        std::string shown = row.window == "main" ? shownByMainWindow(row, region)
                                                 : shownByElementsWindow(row, region);
        // The window of any two elements writes a short exact form first: "57/2 000 ≈ 0,029".
        if (const std::size_t at = shown.find(" ≈ "); at != std::string::npos)
            shown.erase(0, at + std::string_view(" ≈ ").size());
        EXPECT_EQ(shown, inRegion(row.expected, region)) << region.decimalSeparator;
    }
}

// The rows where the double lies on the other side of the half are the ones the rounding by
// hand changes; the doubles are the solver's, whatever the text.
TEST_P(TieTest, TheDoubleAloneLiesWhereTheTableSays)
{
    const TieRow& row = GetParam();
    EXPECT_EQ(triangle::FormatFieldNumber(solvedDouble(row)), row.ofDouble);
}

std::string rowName(const testing::TestParamInfo<TieRow>& info)
{
    std::string name = info.param.window + "_" + std::to_string(info.param.variant + 1) + "_" +
                       info.param.first + "_" + info.param.second + "_" + info.param.quantity;
    if (const auto subscript = name.find("₁"); subscript != std::string::npos)
        name.replace(subscript, std::string("₁").size(), "1");
    std::string plain;
    for (char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            plain += c;
        else if (c == '.' || c == '_')
            plain += '_';
    }
    return plain + (info.param.expected == info.param.ofDouble ? "_kept" : "_changed");
}

INSTANTIATE_TEST_SUITE_P(Table, TieTest, testing::ValuesIn(tieRows()), rowName);

// Near a half thousandth, on its two sides and on it, against values worked by hand.
TEST(TieRounding, DecidesBySideOfTheExactValue)
{
    using triangle::ExactNumber;
    const auto of = [](std::int64_t n, std::int64_t d) {
        return ExactNumber::rational(triangle::exact::makeRational(n, d));
    };
    // 0,1535 as 20,307 and 10 give it: just below the half.
    const double below = (20.307 - 2.0 * 10.0) / 2.0;
    EXPECT_TRUE(triangle::NearThousandthTie(below, 20.307));
    EXPECT_EQ(triangle::ThousandthsFromExact(below, of(1535, 10000)), 154);
    EXPECT_EQ(triangle::ThousandthsFromExact(below, of(15349, 100000)), 153);
    EXPECT_EQ(triangle::ThousandthsFromExact(below, of(15351, 100000)), 154);
    // An exact value not within this thousandth is not this value's.
    EXPECT_EQ(triangle::ThousandthsFromExact(below, of(1545, 10000)), std::nullopt);
    EXPECT_EQ(triangle::ThousandthsFromExact(below, ExactNumber()), std::nullopt);
    // √2/10 = 0,14142… is far from any half.
    EXPECT_FALSE(triangle::NearThousandthTie(0.1414213562373095, 1.0));
    EXPECT_FALSE(triangle::NearThousandthTie(0.0, 1.0));
    EXPECT_EQ(triangle::FormatThousandths(154, regions::bgBG()), "0,154");
    EXPECT_EQ(triangle::FormatThousandths(1234567, regions::bgBG()), "1\u00A0234,567");
}

// c = 10 and P = 20,307: r = (P − 2c)/2 = 0,307/2 = 0,1535 exactly, and so is
// a·b/((a + b) + c) = 2S/P; both steps end in its rounding by hand. A value of three decimals
// shows no exact forms, so the steps end in the decimal alone, rounded: "≈ 0,154".
TEST(TieRounding, TheStepsOfAHalfThousandthEndInItsRoundingByHand)
{
    const triangle::NumberFormat region = regions::bgBG();
    triangle::Steps solving(region);
    triangle::SolveValues(3, 10.0, 20.307, &solving);
    const triangle::Steps& variant = solving;
    const triangle::Steps rest = triangle::ExactValuesOfRow(3, 10.0, 20.307, region);
    int found = 0;
    for (const triangle::Steps* steps : {&variant, &rest}) {
        for (const triangle::Step& step : steps->list()) {
            if (step.name != "r")
                continue;
            ++found;
            EXPECT_TRUE(triangle::StepLine(step, region).ends_with(" ≈ 0,154"))
                << triangle::StepLine(step, region);
        }
    }
    EXPECT_EQ(found, 2);
}

} // namespace
