#pragma once

#include "solver/number/field_number.h"

#include <string>

namespace triangle::win32 {

// The user's number settings as Windows' regional settings give them (GetLocaleInfoEx),
// still in Windows' own terms.
struct LocaleNumberSettings {
    std::wstring decimalSeparator; // LOCALE_SDECIMAL
    std::wstring groupSeparator;   // LOCALE_STHOUSAND
    // LOCALE_SGROUPING: group sizes from the decimal separator outwards; a final 0 repeats
    // the size before it ("3;0", "3;2;0"), its absence groups only as far as listed ("3").
    std::wstring grouping;
    bool leadingZero = true; // LOCALE_ILZERO
    // LOCALE_INEGNUMBER: 0 "(1.1)", 1 "-1.1", 2 "- 1.1", 3 "1.1-", 4 "1.1 -".
    int negativeNumber = 1;
    std::wstring negativeSign; // LOCALE_SNEGATIVESIGN
};

// The settings of the user's region as they are now.
LocaleNumberSettings UserLocaleNumberSettings();

NumberFormat NumberFormatOf(const LocaleNumberSettings& settings);

} // namespace triangle::win32
