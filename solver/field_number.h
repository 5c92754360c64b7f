#pragma once

#include "solver/calculation_fault.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace triangle {

// A quantity during a calculation: unset until the step that computes it has run.
using FieldNumber = std::optional<double>;

enum class NegativeForm {
    LeadingMinus,       // -1.5
    LeadingMinusSpace,  // - 1.5
    TrailingMinus,      // 1.5-
    TrailingMinusSpace, // 1.5 -
    Parentheses,        // (1.5)
};

// The user's regional number settings, passed in by value so that nothing here depends
// on the process locale. Separators and the sign are UTF-8 texts. The default is the
// period region: "1,234.500".
struct NumberFormat {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
    // Digits per group, the group next to the decimal separator first; the last size
    // repeats for every further group ({3, 2} writes 12,34,567). No sizes, or a size of
    // 0, leaves the remaining digits ungrouped.
    std::vector<int> groupSizes = {3};
    bool leadingZero = true; // "0.250" rather than ".250"
    NegativeForm negativeForm = NegativeForm::LeadingMinus;
    std::string negativeSign = "-";
};

// Reads the leading number of a field's text. Blanks, tabs and line feeds are ignored
// wherever they stand; the period is a decimal separator in every region, and the
// region's own decimal separator, digit grouping and negative form are understood too, so
// that every text FormatFieldNumber writes reads back as the value it shows. Text that
// does not begin with a number reads as 0. Fails only with Overflow.
Calculated<double> ReadFieldNumber(std::string_view text, const NumberFormat& region = {});

// Writes a value rounded to exactly three decimals in the region's format. An unset
// value is written as the empty text. Never fails.
std::string FormatFieldNumber(FieldNumber value, const NumberFormat& region = {});

} // namespace triangle
