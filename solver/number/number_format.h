#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace triangle {

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

// Size of the n-th digit group counted from the decimal separator; 0 means "ungrouped".
inline int GroupSize(const std::vector<int>& sizes, std::size_t n)
{
    if (sizes.empty())
        return 0;
    return std::max(0, sizes[std::min(n, sizes.size() - 1)]);
}

} // namespace triangle
