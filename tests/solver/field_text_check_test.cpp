#include "solver/number/field_number.h"
#include "solver/number/field_text_check.h"

#include "tests/regions.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <variant>

using triangle::FieldTextProblem;
using triangle::NumberFormat;
using triangle::ReadFieldNumberStrictly;

namespace {

struct StrictCase {
    const char* name;
    NumberFormat region;
    std::string text;
    std::variant<double, FieldTextProblem> expected;
};

void PrintTo(const StrictCase& c, std::ostream* os)
{
    *os << c.name;
}

class StrictReadingTest : public testing::TestWithParam<StrictCase> {};

TEST_P(StrictReadingTest, TakesOneNumberOrSaysWhyNot)
{
    const StrictCase& c = GetParam();
    const auto read = ReadFieldNumberStrictly(c.text, c.region);
    if (const double* value = std::get_if<double>(&c.expected)) {
        ASSERT_TRUE(read.ok()) << "text: " << c.text << ", refused as "
                               << static_cast<int>(read.fault());
        EXPECT_EQ(read.value(), *value) << "text: " << c.text;
        // The lenient reading agrees on every text taken.
        const auto lenient = triangle::ReadFieldNumber(c.text, c.region);
        ASSERT_TRUE(lenient.ok());
        EXPECT_EQ(lenient.value(), *value) << "text: " << c.text;
    } else {
        ASSERT_FALSE(read.ok()) << "text: " << c.text << " read as " << read.value();
        EXPECT_EQ(read.fault(), std::get<FieldTextProblem>(c.expected)) << "text: " << c.text;
    }
}

constexpr auto Empty = FieldTextProblem::Empty;
constexpr auto NoNumber = FieldTextProblem::NoNumber;
constexpr auto DecimalSeparator = FieldTextProblem::DecimalSeparator;
constexpr auto BlankInside = FieldTextProblem::BlankInside;
constexpr auto NotOneNumber = FieldTextProblem::NotOneNumber;
constexpr auto BeyondRange = FieldTextProblem::BeyondRange;

const StrictCase strictCases[] = {
    // The period region.
    {"periodPlain", regions::enUS(), "12.5", 12.5},
    {"periodBlanksAtTheEnds", regions::enUS(), " \t12.5 \n", 12.5},
    {"periodCellCopiedOnWindows", regions::enUS(), "12.5\r\n", 12.5},
    {"periodCarriageReturnFirst", regions::enUS(), "\r12.5", NotOneNumber},
    {"periodGrouped", regions::enUS(), "1,234.5", 1234.5},
    {"periodGroupedMillions", regions::enUS(), "-12,345,678.25", -12345678.25},
    {"periodBlankGroups", regions::enUS(), "1 234 567", 1234567.0},
    {"periodNegative", regions::enUS(), "-2.5", -2.5},
    {"periodPlus", regions::enUS(), "+4", 4.0},
    {"periodNoWholeDigits", regions::enUS(), ".5", 0.5},
    {"periodNoFractionDigits", regions::enUS(), "7.", 7.0},
    {"periodExponent", regions::enUS(), "1.5E-2", 0.015},
    {"periodEmpty", regions::enUS(), "", Empty},
    {"periodOnlyBlanks", regions::enUS(), "  \t ", Empty},
    {"periodLetters", regions::enUS(), "abc", NoNumber},
    {"periodLoneSign", regions::enUS(), "-", NoNumber},
    {"periodInfinity", regions::enUS(), "inf", NoNumber},
    {"periodCommaDecimal", regions::enUS(), "2,5", DecimalSeparator},
    {"periodCommaBeforeThreeDigits", regions::enUS(), "0,123", DecimalSeparator},
    {"periodShortGroup", regions::enUS(), "1,23", DecimalSeparator},
    {"periodBlankGroupsThenComma", regions::enUS(), "1 234,5", DecimalSeparator},
    {"periodLettersAfter", regions::enUS(), "12abc", NotOneNumber},
    {"periodUnitAfter", regions::enUS(), "5см", NotOneNumber},
    {"periodTwoNumbers", regions::enUS(), "3 5", BlankInside},
    {"periodPastedCells", regions::enUS(), "3\t5", BlankInside},
    {"periodBadBlankGroup", regions::enUS(), "1 23", BlankInside},
    {"periodSignApart", regions::enUS(), "- 5", BlankInside},
    {"periodTwoPeriods", regions::enUS(), "1.2.3", NotOneNumber},
    {"periodExponentWithoutDigits", regions::enUS(), "1e", NotOneNumber},
    {"periodParenthesesNotLocal", regions::enUS(), "(5)", NotOneNumber},
    {"periodTrailingMinusNotLocal", regions::enUS(), "5-", NotOneNumber},
    {"periodDoubleSign", regions::enUS(), "--5", NotOneNumber},
    {"periodHexadecimal", regions::enUS(), "0x1A", NotOneNumber},
    {"periodNoBreakSpaceNotLocal", regions::enUS(), "1\u00A0234", NotOneNumber},
    {"periodCommaGroupsThenBlank", regions::enUS(), "1,234 567", NotOneNumber},
    {"periodBeyondADouble", regions::enUS(), "1e400", BeyondRange},
    {"periodTinyIsZero", regions::enUS(), "1e-400", 0.0},
    // The Bulgarian region: comma decimal, no-break space groups.
    {"bulgarianComma", regions::bgBG(), "2,5", 2.5},
    {"bulgarianPeriodToo", regions::bgBG(), "2.5", 2.5},
    {"bulgarianBlankGroups", regions::bgBG(), "1 234,5", 1234.5},
    {"bulgarianOwnGroups", regions::bgBG(), "-1\u00A0234\u00A0567,125", -1234567.125},
    {"bulgarianBlankGroupsPeriod", regions::bgBG(), "1 234.5", 1234.5},
    {"bulgarianNoWholeDigits", regions::bgBG(), ",5", 0.5},
    {"bulgarianPeriodForm", regions::bgBG(), "1,234.5", NotOneNumber},
    {"bulgarianGermanForm", regions::bgBG(), "1.234,5", NotOneNumber},
    {"bulgarianBadGroup", regions::bgBG(), "1\u00A023,5", NotOneNumber},
    {"bulgarianBadBlankGroup", regions::bgBG(), "1 23,5", BlankInside},
    {"bulgarianTwoCommas", regions::bgBG(), "2,5,1", NotOneNumber},
    {"bulgarianPastedCells", regions::bgBG(), "2,5\t3", BlankInside},
    // The German region: comma decimal, period groups.
    {"germanGrouped", regions::deDE(), "1.234,5", 1234.5},
    {"germanGroupedMillions", regions::deDE(), "1.234.567,5", 1234567.5},
    {"germanComma", regions::deDE(), "1,5", 1.5},
    {"germanPeriodDecimal", regions::deDE(), "1.5", 1.5},
    {"germanPeriodAloneIsDecimal", regions::deDE(), "1.234", 1.234},
    {"germanBlankGroups", regions::deDE(), "1 234,5", 1234.5},
    {"germanPeriodGroupsWithoutDecimal", regions::deDE(), "1.234.567", NotOneNumber},
    {"germanBadGroup", regions::deDE(), "12.34,5", NotOneNumber},
    {"germanPeriodForm", regions::deDE(), "1,234.5", NotOneNumber},
    // The Indian region: groups of three, then of two.
    {"indianGroups", regions::hiIN(), "12,34,567.5", 1234567.5},
    {"indianThousands", regions::hiIN(), "1,234.5", 1234.5},
    {"indianBlankThrees", regions::hiIN(), "1 234 567.5", 1234567.5},
    {"indianBlankOwnGroups", regions::hiIN(), "12 34 567.5", 1234567.5},
    {"indianThreesWithCommas", regions::hiIN(), "1,234,567.5", NotOneNumber},
    {"indianCommaDecimal", regions::hiIN(), "2,5", DecimalSeparator},
    // Negative forms other regions write.
    {"parentheses", regions::parenthesesNoLeadingZero(), "(1 234,5)", -1234.5},
    {"parenthesesNoLeadingZero", regions::parenthesesNoLeadingZero(), "(,25)", -0.25},
    {"unclosedParenthesis", regions::parenthesesNoLeadingZero(), "(7", NotOneNumber},
    {"trailingMinusSign", regions::trailingMinusSign(), "3.5 \u2212", -3.5},
    {"leadingMinusSign", regions::trailingMinusSign(), "\u22123.5", -3.5},
    {"leadingMinusSpace", regions::leadingMinusSpace(), "- 1,234.5", -1234.5},
};

INSTANTIATE_TEST_SUITE_P(Regions, StrictReadingTest, testing::ValuesIn(strictCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The number a text shows, written without grouping in the period region.
double shownValue(double x)
{
    NumberFormat plain;
    plain.groupSeparator.clear();
    const std::string text = triangle::FormatFieldNumber(x, plain);
    double shown = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    return shown;
}

class StrictReadingOfWrittenTextsTest
    : public testing::TestWithParam<std::pair<std::string, NumberFormat>> {};

TEST_P(StrictReadingOfWrittenTextsTest, EverythingWrittenIsTakenAsTheValueShown)
{
    const NumberFormat& region = GetParam().second;
    std::mt19937_64 random(14122026);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-6, 25);
    std::vector<double> values = {
        0.0,  0.0004,   0.0005, 0.25,     0.9995,
        1.0,  999.9996, 1234.5, 123456.5, 1e15,
        1e21, 2.1245,   1e-300, 1e300,    std::numeric_limits<double>::max()};
    for (int i = 0; i < 20000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    for (double x : values) {
        for (double value : {x, -x}) {
            const std::string text = triangle::FormatFieldNumber(value, region);
            const auto read = ReadFieldNumberStrictly(text, region);
            ASSERT_TRUE(read.ok())
                << "written " << text << ", refused as " << static_cast<int>(read.fault());
            ASSERT_EQ(read.value(), shownValue(value)) << "written " << text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Regions, StrictReadingOfWrittenTextsTest,
                         testing::ValuesIn(regions::all()),
                         [](const auto& info) { return info.param.first; });

} // namespace
