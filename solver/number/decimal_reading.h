#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace triangle {

// The significant digits and the decimal exponent of a value, as to_chars writes it in
// scientific notation: "-1.23450000000000e+02" gives 123450000000000 and 2. Digit i stands
// for 10^(exponent - i).
struct DecimalReading {
    std::array<char, 18> digits; // room for a carry in front of 17 digits
    int count = 0;
    int exponent = 0;
    bool negative = false;
    bool beyondDouble = false; // read back as a number, it exceeds the largest double

    char digitOf(int weight) const
    {
        const int i = exponent - weight;
        return i >= 0 && i < count ? digits[static_cast<std::size_t>(i)] : '0';
    }
    bool isZero() const
    {
        return std::all_of(digits.begin(), digits.begin() + count, [](char d) { return d == '0'; });
    }
};

// Rounds as a careful person would write the number down: the value is taken at its
// decimal reading to 15 significant digits, as a spreadsheet shows it (the double nearest
// 2.1245 lies just below the tie, but its reading is 2.12450000000000), and rounded half
// away from zero at the third decimal. The result keeps only the digits down to the third
// decimal.
DecimalReading RoundedForDisplay(double value);

// The magnitude of the value as RoundedForDisplay rounds it, in thousandths, worked out in
// integers for the magnitudes a triangle's values have (10⁻⁵ to 10¹⁵); nothing outside
// them. Zero where it rounds to zero.
std::optional<std::uint64_t> ThousandthsForDisplay(double value);

} // namespace triangle
