#include "solver/number/field_number.h"

#include "tests/regions.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

using triangle::CalculationFault;
using triangle::FormatFieldNumber;
using triangle::NumberFormat;
using triangle::ReadFieldNumber;

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    NumberFormat region;
    double expected;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReadFieldNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFieldNumberTest, ReadsTheLeadingNumber)
{
    const ReadCase& c = GetParam();
    const auto read = ReadFieldNumber(c.text, c.region);
    ASSERT_TRUE(read.ok()) << "text: " << c.text;
    EXPECT_EQ(read.value(), c.expected) << "text: " << c.text;
}

const ReadCase readCases[] = {
    // The period region of the lenient rule.
    {"empty", "", regions::enUS(), 0.0},
    {"letters", "abc", regions::enUS(), 0.0},
    {"trailingLetters", "12abc", regions::enUS(), 12.0},
    {"commaEndsNumber", "3,5", regions::enUS(), 3.0},
    {"blanksAnywhere", " 1 2 ", regions::enUS(), 12.0},
    {"tabsAndLineFeeds", "\t1\n2.\t5", regions::enUS(), 12.5},
    {"noLeadingDigits", ".5", regions::enUS(), 0.5},
    {"noTrailingDigits", "7.", regions::enUS(), 7.0},
    {"negative", "-2.5", regions::enUS(), -2.5},
    {"leadingPlus", "+4.25", regions::enUS(), 4.25},
    {"exponent", "1e3", regions::enUS(), 1000.0},
    {"upperExponentWithSign", "25E-1", regions::enUS(), 2.5},
    {"exponentWithoutDigits", "1e", regions::enUS(), 1.0},
    {"exponentSignWithoutDigits", "1e+x", regions::enUS(), 1.0},
    {"secondPeriodEnds", "1.2.3", regions::enUS(), 1.2},
    {"loneSign", "-", regions::enUS(), 0.0},
    {"lonePeriod", ".", regions::enUS(), 0.0},
    {"infinityIsNoNumber", "inf", regions::enUS(), 0.0},
    {"nanIsNoNumber", "nan", regions::enUS(), 0.0},
    {"signedInfinityIsNoNumber", "-infinity", regions::enUS(), 0.0},
    {"hexadecimalIsDecimalZero", "0x1A", regions::enUS(), 0.0},
    {"doubleSign", "--5", regions::enUS(), 0.0},
    {"underflowIsZero", "1e-400", regions::enUS(), 0.0},
    {"largestDouble", "1.7976931348623157e308", regions::enUS(),
     std::numeric_limits<double>::max()},
    {"manyDigitsRoundCorrectly", "0.1000000000000000055511151231257827", regions::enUS(), 0.1},
    {"cyrillicAfterNumber", "5см", regions::enUS(), 5.0},
    // Grouping in the period region.
    {"groupedThousands", "1,234.500", regions::enUS(), 1234.5},
    {"groupedMillions", "-12,345,678.25", regions::enUS(), -12345678.25},
    {"shortGroupEnds", "1,23", regions::enUS(), 1.0},
    {"longGroupEnds", "1,2345", regions::enUS(), 1.0},
    {"zeroLeadsNoGroup", "0,123", regions::enUS(), 0.0},
    {"longLeadingGroupEnds", "1234,567", regions::enUS(), 1234.0},
    {"groupsThenBadGroup", "1,234,56", regions::enUS(), 1234.0},
    {"indianGroupsNotLocal", "12,34,567.5", regions::enUS(), 12.0},
    {"indianGroups", "12,34,567.5", regions::hiIN(), 1234567.5},
    {"swissGroups", "1\u2019234.5", regions::deCH(), 1234.5},
    // Comma regions: the comma is a decimal separator, the period still is one.
    {"commaDecimal", "2,5", regions::bgBG(), 2.5},
    {"commaDecimalTyped", "2,449", regions::bgBG(), 2.449},
    {"periodStillDecimal", "2.5", regions::bgBG(), 2.5},
    {"noBreakSpaceGroups", "1\u00A0234,5", regions::bgBG(), 1234.5},
    {"ordinaryBlankGroups", "1 234,5", regions::bgBG(), 1234.5},
    {"narrowNoBreakGroups", "-1\u202F234\u202F567,125", regions::frFR(), -1234567.125},
    {"noBreakSpaceBadGroup", "1\u00A023,5", regions::bgBG(), 1.0},
    // Where the period groups, it does so only up to the decimal separator.
    {"periodGroupsBeforeComma", "1.234,5", regions::deDE(), 1234.5},
    {"periodIsDecimalAlone", "1.234", regions::deDE(), 1.234},
    {"periodGroupsMillions", "1.234.567,5", regions::deDE(), 1234567.5},
    {"periodBadGroupIsDecimal", "12.34,5", regions::deDE(), 12.34},
    {"commaDecimalGerman", "1,5", regions::deDE(), 1.5},
    // Negative forms a region may write.
    {"parentheses", "(1 234,5)", regions::parenthesesNoLeadingZero(), -1234.5},
    {"parenthesesNoLeadingZero", "(,25)", regions::parenthesesNoLeadingZero(), -0.25},
    {"unclosedParenthesis", "(7", regions::parenthesesNoLeadingZero(), 7.0},
    {"trailingMinusSign", "3.5 \u2212", regions::trailingMinusSign(), -3.5},
    {"trailingHyphen", "3.5-", regions::trailingMinusSign(), -3.5},
    {"leadingMinusSign", "\u22123.5", regions::trailingMinusSign(), -3.5},
    {"trailingHyphenNotLocal", "3.5-", regions::enUS(), 3.5},
};

INSTANTIATE_TEST_SUITE_P(Examples, ReadFieldNumberTest, testing::ValuesIn(readCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFieldNumberFaults, NumbersBeyondADoubleOverflow)
{
    for (const std::string& text : std::vector<std::string>{
             "1e309", "-1e400", "1.7976931348623159e308", std::string(400, '9'), "0.001e312",
             "99999999999999999999e99999999999999999999999", "1,000e308"}) {
        const auto read = ReadFieldNumber(text);
        ASSERT_FALSE(read.ok()) << text;
        EXPECT_EQ(read.fault(), CalculationFault::Overflow) << text;
    }
}

std::string repeated(const std::string& head, const std::string& group, int times,
                     const std::string& tail)
{
    std::string text = head;
    for (int i = 0; i < times; ++i)
        text += group;
    return text + tail;
}

TEST(ReadFieldNumberGrouping, LongGroupedNumbersReadInFull)
{
    const auto fifty = ReadFieldNumber(repeated("1", ",000", 50, ".5"));
    ASSERT_TRUE(fifty.ok());
    EXPECT_EQ(fifty.value(), 1e150);

    const auto indian = ReadFieldNumber(repeated("1", ",00", 60, ",000"), regions::hiIN());
    ASSERT_TRUE(indian.ok());
    EXPECT_EQ(indian.value(), 1e123);

    // Beyond a double, in the period region and in Indian grouping alike.
    EXPECT_FALSE(ReadFieldNumber(repeated("1", ",000", 120, "")).ok());
    EXPECT_FALSE(ReadFieldNumber(repeated("12", ",34", 200, ",567"), regions::hiIN()).ok());
    // One odd group far from the end leaves only the digits before it.
    const auto odd = ReadFieldNumber(repeated("1,0000", ",000", 100, ""));
    ASSERT_TRUE(odd.ok());
    EXPECT_EQ(odd.value(), 1.0);
}

TEST(ReadFieldNumberFaults, TinyNumbersAreNoOverflow)
{
    for (const char* text : {"1e-400", "0.0000001e-320", "1000e-330", "0e999999"}) {
        const auto read = ReadFieldNumber(text);
        ASSERT_TRUE(read.ok()) << text;
        EXPECT_LT(std::fabs(read.value()), 1e-300) << text;
    }
}

struct FormatCase {
    const char* name;
    triangle::FieldNumber value;
    NumberFormat region;
    std::string expected;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

class FormatFieldNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFieldNumberTest, WritesThreeDecimalsInTheRegionsForm)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatFieldNumber(c.value, c.region), c.expected);
}

const FormatCase formatCases[] = {
    {"six", 6.0, regions::enUS(), "6.000"},
    {"twelve", 12.0, regions::enUS(), "12.000"},
    {"quarter", 0.25, regions::enUS(), "0.250"},
    {"thousands", 1234.5, regions::enUS(), "1,234.500"},
    {"negative", -4.0, regions::enUS(), "-4.000"},
    {"roundsDown", 2.4494897, regions::enUS(), "2.449"},
    {"roundsUp", 2.99951, regions::enUS(), "3.000"},
    // Ties as a person rounds them, although the nearest double lies below or above the tie.
    {"typedTieBelowInBinary", 2.1245, regions::enUS(), "2.125"},
    {"smallTieBelowInBinary", 0.1455, regions::enUS(), "0.146"},
    {"tieAfterOne", 1.0005, regions::enUS(), "1.001"},
    {"tieAboveInBinary", 1.2345, regions::enUS(), "1.235"},
    {"exactBinaryTie", 0.0625, regions::enUS(), "0.063"},
    {"nearestToExactTie", 1.0875, regions::enUS(), "1.088"},
    {"tieCarriesIntoNewGroup", 999.9995, regions::enUS(), "1,000.000"},
    {"sumOfTenthsIsThreeTenths", 0.1 + 0.2, regions::enUS(), "0.300"},
    {"negativeTieAwayFromZero", -0.0005, regions::enUS(), "-0.001"},
    {"negativeTieLarger", -2.1245, regions::enUS(), "-2.125"},
    {"justBelowTieStaysDown", 2.12449999, regions::enUS(), "2.124"},
    {"unsetIsEmpty", std::nullopt, regions::enUS(), ""},
    {"notFiniteIsEmpty", std::numeric_limits<double>::infinity(), regions::enUS(), ""},
    {"negativeZero", -0.0, regions::enUS(), "0.000"},
    {"negativeRoundsToZero", -0.0004, regions::enUS(), "0.000"},
    {"tinyIsZero", 1e-300, regions::enUS(), "0.000"},
    {"threeDigitsNoGroup", 999.9994, regions::enUS(), "999.999"},
    {"roundingAddsGroup", 999.9996, regions::enUS(), "1,000.000"},
    {"large", 1e21, regions::enUS(), "1,000,000,000,000,000,000,000.000"},
    // Beyond 15 significant digits a double's digits are noise; they are shown as zeros.
    {"fifteenDigitsThenZeros", 1234567890123456789.0, regions::enUS(),
     "1,234,567,890,123,460,000.000"},
    {"bulgarian", -1234567.5, regions::bgBG(), "-1\u00A0234\u00A0567,500"},
    {"bulgarianTie", 2.1245, regions::bgBG(), "2,125"},
    {"bulgarianSmallTie", 0.1455, regions::bgBG(), "0,146"},
    {"bulgarianCarry", 999.9995, regions::bgBG(), "1\u00A0000,000"},
    {"bulgarianNegativeTie", -0.0005, regions::bgBG(), "-0,001"},
    {"bulgarianNoSignOnZero", -0.0004, regions::bgBG(), "0,000"},
    {"bulgarianLarge", 1e21, regions::bgBG(),
     "1\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000\u00A0000,000"},
    {"german", 1234.5, regions::deDE(), "1.234,500"},
    {"germanTie", 1.2345, regions::deDE(), "1,235"},
    {"french", 2.4494897, regions::frFR(), "2,449"},
    {"swiss", 12345.678, regions::deCH(), "12\u2019345.678"},
    {"indian", 123456789.0, regions::hiIN(), "12,34,56,789.000"},
    {"indianSmall", 12345.0, regions::hiIN(), "12,345.000"},
    {"indianTieCarries", 99999.9995, regions::hiIN(), "1,00,000.000"},
    {"noLeadingZero", 0.25, regions::parenthesesNoLeadingZero(), ",250"},
    {"noLeadingZeroTie", 0.1455, regions::parenthesesNoLeadingZero(), ",146"},
    {"parentheses", -1234.5, regions::parenthesesNoLeadingZero(), "(1 234,500)"},
    {"trailingMinus", -0.5, regions::trailingMinusSign(), "0.500 \u2212"},
    {"trailingMinusNoSpace", -1234.5, regions::trailingMinusNoSpace(), "1,234.500-"},
    {"leadingMinusSpace", -1234.5, regions::leadingMinusSpace(), "- 1,234.500"},
};

INSTANTIATE_TEST_SUITE_P(Examples, FormatFieldNumberTest, testing::ValuesIn(formatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatFieldNumberLimits, LargestDoubleIsWrittenInFullAndReadsBack)
{
    const double largest = std::numeric_limits<double>::max();
    const std::string text = FormatFieldNumber(largest);
    // 309 integer digits in 103 groups, three decimals. Its 15-digit reading,
    // 1.79769313486232e308, lies beyond a double, so 17 digits are shown instead.
    EXPECT_EQ(text.size(), 309u + 102u + 4u);
    EXPECT_TRUE(text.starts_with("179,769,313,486,231,570,000,000")) << text;
    EXPECT_TRUE(text.ends_with(",000,000.000"));
    const auto read = ReadFieldNumber(text);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), largest);

    EXPECT_TRUE(FormatFieldNumber(-largest).starts_with("-179,769,313,486,231,570,000"));
    EXPECT_TRUE(FormatFieldNumber(1e308).starts_with("100,000,000,000,000,000,000,"));
}

// The text of a value by the rounding rule, worked out on decimal strings: the 15-digit
// reading from to_chars, laid out in fixed notation, rounded half up at the third decimal
// by hand.
std::string schoolRounded(double x)
{
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    std::string reading(buffer, written.ptr);
    const bool negative = reading[0] == '-';
    if (negative)
        reading.erase(0, 1);
    const int exponent = std::stoi(reading.substr(reading.find('e') + 1));
    const std::string digits = reading.substr(0, 1) + reading.substr(2, 14);
    // Fixed notation with 20 decimals, enough to hold every digit of the reading here.
    std::string fixed;
    const int leading = std::max(exponent + 1, 1);
    for (int weight = leading - 1; weight >= -20; --weight) {
        const int i = exponent - weight;
        fixed += i >= 0 && i < 15 ? digits[i] : '0';
        if (weight == 0)
            fixed += '.';
    }
    std::string kept = fixed.substr(0, fixed.find('.') + 4);
    if (fixed[fixed.find('.') + 4] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[i] == '.')
                continue;
            if (kept[i] != '9') {
                ++kept[i];
                break;
            }
            kept[i] = '0';
        }
        if (i < 0)
            kept.insert(0, "1");
    }
    const bool zero = kept.find_first_not_of("0.") == std::string::npos;
    return (negative && !zero ? "-" : "") + kept;
}

TEST(FormatFieldNumberRounding, EveryMagnitudeOfATriangleFollowsTheFifteenDigitReading)
{
    NumberFormat ungrouped;
    ungrouped.groupSeparator.clear();
    std::vector<double> values = {
        // Ties of the 15-digit reading itself, and values that carry into a new digit.
        100000000000000.5,
        100000000000001.5,
        123456789012345.5,
        999999999999999.5,
        9.9999999999999995,
        0.099999999999999995,
        99999.9999999999,
        1e-5,
        1e15,
        0.00049999999,
        0.0005,
        0.00050000001,
        2.1245,
        0.1455,
        1.0875,
        5e-5};
    for (int power = -5; power <= 15; ++power) {
        const double p = std::pow(10.0, power);
        for (double v = p, n = 0; n < 4; ++n) {
            values.push_back(v);
            values.push_back(std::nextafter(v, 0.0));
            v = std::nextafter(v, 1e300);
        }
    }
    std::mt19937_64 random(8122026);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-6, 15);
    std::uniform_int_distribution<int> decimals(1, 6);
    for (int i = 0; i < 200000; ++i) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        values.push_back(x);
        // Typed values, and the computed ones beside them, just off a tie.
        const double typed =
            std::round(x * std::pow(10.0, decimals(random))) / std::pow(10.0, decimals(random));
        values.push_back(typed);
        values.push_back(std::nextafter(typed, 0.0));
    }
    for (double x : values) {
        for (double value : {x, -x})
            ASSERT_EQ(FormatFieldNumber(value, ungrouped), schoolRounded(value))
                << std::hexfloat << value;
    }
}

// The number a text shows, written without grouping in the period region.
double shownValue(double x)
{
    NumberFormat plain;
    plain.groupSeparator.clear();
    const std::string text = FormatFieldNumber(x, plain);
    double shown = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), shown);
    EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size()) << text;
    return shown;
}

class RoundTripTest : public testing::TestWithParam<std::pair<std::string, NumberFormat>> {};

TEST_P(RoundTripTest, WhatIsWrittenReadsBackAsTheValueShown)
{
    const NumberFormat& region = GetParam().second;
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-5, 25);
    std::vector<double> values = {0.0,  0.0005,        0.9995,
                                  1.0,  999.9996,      1234.5,
                                  1e15, 123456789.123, std::numeric_limits<double>::max()};
    for (int i = 0; i < 20000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));

    for (double x : values) {
        for (double value : {x, -x}) {
            const std::string text = FormatFieldNumber(value, region);
            const auto read = ReadFieldNumber(text, region);
            ASSERT_TRUE(read.ok()) << text;
            const double shown = shownValue(value);
            EXPECT_EQ(read.value(), shown) << "value " << value << " written " << text;
            // Within half a unit of the third decimal, and of the 15th significant digit.
            EXPECT_LE(std::fabs(shown - value), 0.0005 + std::fabs(value) * 1e-14) << text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Regions, RoundTripTest, testing::ValuesIn(regions::all()),
                         [](const auto& info) { return info.param.first; });

} // namespace
