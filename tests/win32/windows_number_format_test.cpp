#include "window/win32/windows_number_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using triangle::NegativeForm;
using enum triangle::NegativeForm;
using triangle::win32::LocaleNumberSettings;
using triangle::win32::NumberFormatOf;

struct MappingCase {
    const char* name;
    LocaleNumberSettings settings;
    std::string decimalSeparator;
    std::string groupSeparator;
    std::vector<int> groupSizes;
    bool leadingZero;
    NegativeForm negativeForm;
    std::string negativeSign;
};

// Settings as Windows reports them for real regions, and the odd corners of its grouping
// notation: a final 0 repeats the size before it, no final 0 stops grouping after the list.
const MappingCase mappingCases[] = {
    {"Bulgarian",
     {L",", L"\u00A0", L"3;0", true, 1, L"-"},
     ",",
     "\u00A0",
     {3},
     true,
     LeadingMinus,
     "-"},
    {"English", {L".", L",", L"3;0", true, 1, L"-"}, ".", ",", {3}, true, LeadingMinus, "-"},
    {"Indian", {L".", L",", L"3;2;0", true, 1, L"-"}, ".", ",", {3, 2}, true, LeadingMinus, "-"},
    {"SingleGroupOnly",
     {L".", L",", L"3", true, 1, L"-"},
     ".",
     ",",
     {3, 0},
     true,
     LeadingMinus,
     "-"},
    {"NoGrouping", {L".", L",", L"0", true, 1, L"-"}, ".", ",", {}, true, LeadingMinus, "-"},
    {"EmptyGrouping", {L".", L",", L"", true, 1, L"-"}, ".", ",", {}, true, LeadingMinus, "-"},
    {"NoLeadingZero",
     {L".", L",", L"3;0", false, 1, L"-"},
     ".",
     ",",
     {3},
     false,
     LeadingMinus,
     "-"},
    {"NegativeInParentheses",
     {L".", L",", L"3;0", true, 0, L"-"},
     ".",
     ",",
     {3},
     true,
     Parentheses,
     "-"},
    {"NegativeMinusSpace",
     {L".", L",", L"3;0", true, 2, L"-"},
     ".",
     ",",
     {3},
     true,
     LeadingMinusSpace,
     "-"},
    {"NegativeTrailingMinus",
     {L".", L",", L"3;0", true, 3, L"-"},
     ".",
     ",",
     {3},
     true,
     TrailingMinus,
     "-"},
    {"NegativeTrailingSpaceMinus",
     {L".", L",", L"3;0", true, 4, L"-"},
     ".",
     ",",
     {3},
     true,
     TrailingMinusSpace,
     "-"},
    {"SwissApostropheAndMinusSign",
     {L".", L"\u2019", L"3;0", true, 1, L"\u2212"},
     ".",
     "\u2019",
     {3},
     true,
     LeadingMinus,
     "\u2212"},
    {"NoDecimalSeparatorKeepsThePeriod",
     {L"", L",", L"3;0", true, 1, L""},
     ".",
     ",",
     {3},
     true,
     LeadingMinus,
     "-"},
};

class WindowsNumberFormat : public ::testing::TestWithParam<MappingCase> {};

TEST_P(WindowsNumberFormat, MapsTheRegionalSettingsToTheNumberFormat)
{
    const MappingCase& row = GetParam();
    const triangle::NumberFormat format = NumberFormatOf(row.settings);
    EXPECT_EQ(format.decimalSeparator, row.decimalSeparator);
    EXPECT_EQ(format.groupSeparator, row.groupSeparator);
    EXPECT_EQ(format.groupSizes, row.groupSizes);
    EXPECT_EQ(format.leadingZero, row.leadingZero);
    EXPECT_EQ(format.negativeForm, row.negativeForm);
    EXPECT_EQ(format.negativeSign, row.negativeSign);
}

INSTANTIATE_TEST_SUITE_P(Regions, WindowsNumberFormat, ::testing::ValuesIn(mappingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Run with LANG=bg_BG.UTF-8, from which Wine takes the user's region (the locale must exist
// on the system); elsewhere there is nothing to expect.
TEST(UserRegion, IsReadFromWindowsRegionalSettings)
{
    const char* lang = std::getenv("LANG");
    if (!lang || std::string(lang).rfind("bg_BG", 0) != 0)
        GTEST_SKIP() << "only in the Bulgarian region";
    const triangle::NumberFormat format =
        NumberFormatOf(triangle::win32::UserLocaleNumberSettings());
    EXPECT_EQ(format.decimalSeparator, ",");
    EXPECT_EQ(format.groupSeparator, "\u00A0");
    EXPECT_EQ(format.groupSizes, std::vector<int>{3});
    EXPECT_TRUE(format.leadingZero);
    EXPECT_EQ(format.negativeForm, LeadingMinus);
    EXPECT_EQ(format.negativeSign, "-");
}

} // namespace
