#include "solver/exact/exact_text.h"
#include "solver/exact/special_angles.h"

#include "tests/regions.h"
#include "tests/table_rows.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

using triangle::ExactNumber;
using triangle::RationalForm;
using triangle::exact::Integer;

namespace {

// A postfix expression as tests/solver/exact/make_exact_table.py writes it: numbers as typed,
// + - * / neg sqrt, sin cos tg of degrees and asin acos atg giving degrees.
ExactNumber evaluate(const std::string& postfix)
{
    std::vector<ExactNumber> stack;
    std::istringstream tokens(postfix);
    auto pop = [&stack] {
        const ExactNumber top = stack.back();
        stack.pop_back();
        return top;
    };
    for (std::string token; tokens >> token;) {
        ExactNumber (*const unary[])(const ExactNumber&) = {
            [](const ExactNumber& x) { return -x; },
            [](const ExactNumber& x) { return sqrt(x); },
            triangle::ExactSine,
            triangle::ExactCosine,
            triangle::ExactTangent,
            [](const ExactNumber& x) { return DegreesOf(triangle::Ratio::Sine, x); },
            [](const ExactNumber& x) { return DegreesOf(triangle::Ratio::Cosine, x); },
            [](const ExactNumber& x) { return DegreesOf(triangle::Ratio::Tangent, x); }};
        const std::vector<std::string> unaryNames = {"neg", "sqrt", "sin",  "cos",
                                                     "tg",  "asin", "acos", "atg"};
        const auto named = std::find(unaryNames.begin(), unaryNames.end(), token);
        if (named != unaryNames.end()) {
            stack.push_back(unary[named - unaryNames.begin()](pop()));
        } else if (token.size() == 1 &&
                   std::string_view("+-*/").find(token[0]) != std::string_view::npos) {
            const ExactNumber y = pop();
            const ExactNumber x = pop();
            stack.push_back(token == "+"   ? x + y
                            : token == "-" ? x - y
                            : token == "*" ? x * y
                                           : x / y);
        } else {
            double typed = 0.0;
            std::from_chars(token.data(), token.data() + token.size(), typed);
            stack.push_back(ExactNumber::fromDouble(typed));
        }
    }
    return stack.back();
}

struct TableRow {
    std::string name;
    std::string postfix;
    std::string period;    // the form in the period region, "none" or "long"
    std::string bulgarian; // the same in the Bulgarian region
    std::string value;     // sympy's value to 17 digits
};

std::vector<TableRow> readTable()
{
    return tests::ReadTableRows<TableRow>(
        TRIANGLE_EXACT_TABLE, [](std::istream& fields, TableRow& row) {
            for (std::string* field :
                 {&row.name, &row.postfix, &row.period, &row.bulgarian, &row.value})
                std::getline(fields, *field, '\t');
        });
}

TEST(ExactNumber, TableRowsHaveSympysValueInTheCanonicalForm)
{
    const std::vector<TableRow> rows = readTable();
    ASSERT_GE(rows.size(), 120u) << "the table " << TRIANGLE_EXACT_TABLE;
    for (const TableRow& row : rows) {
        SCOPED_TRACE(row.name + ": " + row.postfix);
        const ExactNumber x = evaluate(row.postfix);
        if (row.period == "none") {
            EXPECT_FALSE(x.exists());
            continue;
        }
        ASSERT_TRUE(x.exists());
        EXPECT_EQ(WriteExact(x, regions::enUS()).value_or("long"), row.period);
        EXPECT_EQ(WriteExact(x, regions::bgBG()).value_or("long"), row.bulgarian);
        const double value = std::stod(row.value);
        EXPECT_NEAR(ApproximateValue(x), value, 1e-14 * std::max(1.0, std::fabs(value)));
    }
}

TEST(ExactNumber, WrittenFormsFollowTheRegionAndTheRationalForm)
{
    struct RegionCase {
        const char* name;
        triangle::NumberFormat region;
        RationalForm form;
        const char* postfix;
        const char* expected;
    };
    triangle::NumberFormat ungrouped;
    ungrouped.groupSeparator.clear();
    const RegionCase cases[] = {
        {"German groups", regions::deDE(), RationalForm::Decimal, "1234.5", "1.234,5"},
        {"German radicand ungrouped", regions::deDE(), RationalForm::Decimal, "1234 sqrt", "√1234"},
        {"Indian groups", regions::hiIN(), RationalForm::Decimal, "1234567", "12,34,567"},
        {"no leading zero", regions::parenthesesNoLeadingZero(), RationalForm::Decimal, "0.25 neg",
         "−,25"},
        {"ungrouped radicand bare", ungrouped, RationalForm::Decimal, "1234 sqrt", "√1234"},
        {"negative sum over denominator", regions::enUS(), RationalForm::Decimal,
         "1 2 sqrt + neg 4 /", "(−1 − √2)/4"},
        {"sine of 30 as a fraction", regions::enUS(), RationalForm::Fraction, "30 sin", "1/2"},
        {"decimal as a fraction", regions::enUS(), RationalForm::Fraction, "7.5", "15/2"},
        {"integer stays one", regions::enUS(), RationalForm::Fraction, "4", "4"},
        {"root term unchanged", regions::enUS(), RationalForm::Fraction, "0.75 sqrt", "√3/2"},
    };
    for (const RegionCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WriteExact(evaluate(c.postfix), c.region, c.form).value_or("nothing"),
                  c.expected);
    }
}

Integer parse(std::string_view digits)
{
    Integer value = 0;
    for (char d : digits)
        value = value * 10 + (d - '0');
    return value;
}

TEST(ExactNumber, TypedDoubleIsItsShortestDecimal)
{
    struct TypedCase {
        double typed;
        const char* numerator; // nullptr: no exact value
        const char* denominator;
    };
    const double infinity = std::numeric_limits<double>::infinity();
    const TypedCase cases[] = {
        {0.1, "1", "10"},
        {12.5, "25", "2"},
        {-0.0, "0", "1"},
        {0.30000000000000004, "7500000000000001", "25000000000000000"},
        {123456789.123, "123456789123", "1000"},
        {1e38, "100000000000000000000000000000000000000", "1"},
        {1e-38, "1", "100000000000000000000000000000000000000"},
        {1e39, nullptr, nullptr},
        {1e-39, nullptr, nullptr},
        {infinity, nullptr, nullptr},
        {std::numeric_limits<double>::quiet_NaN(), nullptr, nullptr},
    };
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const ExactNumber x = ExactNumber::fromDouble(c.typed);
        ASSERT_EQ(x.exists(), c.numerator != nullptr);
        if (!c.numerator)
            continue;
        ASSERT_TRUE(x.isRational());
        const triangle::exact::Rational q =
            x.terms().empty() ? triangle::exact::Rational{} : x.terms()[0].coefficient;
        EXPECT_TRUE(q.numerator == parse(c.numerator) && q.denominator == parse(c.denominator));
    }
}

TEST(ExactNumber, NoneEqualsNothingAndPassesThroughEveryOperation)
{
    const ExactNumber none = evaluate("1 0 /");
    const ExactNumber two = ExactNumber::integer(2);
    EXPECT_FALSE(ExactlyEquals(none, none));
    EXPECT_TRUE(ExactlyEquals(evaluate("8 sqrt"), evaluate("2 sqrt 2 *")));
    EXPECT_FALSE(ExactlyEquals(evaluate("8 sqrt"), evaluate("2.8284271247461903")));
    for (const ExactNumber& x : {none + two, two - none, none * two, two / none, sqrt(none), -none})
        EXPECT_FALSE(x.exists());
    EXPECT_TRUE(std::isnan(ApproximateValue(none)));
    EXPECT_EQ(evaluate("2 sqrt 1.5 -").sign(), -1);
    EXPECT_EQ(evaluate("2 sqrt 1.4 -").sign(), 1);
    EXPECT_FALSE(triangle::FitsThreeDecimals(evaluate("1 3 /")));
    EXPECT_TRUE(triangle::FitsThreeDecimals(evaluate("1 8 /")));
}

} // namespace
