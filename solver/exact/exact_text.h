#pragma once

// Exact values written as a textbook writes them, with the numbers in the user's region ("7,5", "1
// 234"). Signs are the formula's: "−" in front and between terms, whatever the region's negative
// form, since an exact value stands in a formula beside its operators.

#include "solver/exact/exact_number.h"
#include "solver/number/number_format.h"

#include <optional>
#include <string>

namespace triangle {

// A form in which any one integer (a coefficient, a radicand, a numerator or a denominator)
// has more digits than this is too long to help a reader, "187 489√3/93 750": the caller
// shows the decimal alone. An integer or a decimal of at most three decimals is written
// whole up to `longestPlainInteger` digits: it is the value itself, not a form of it, and
// only then are its digits grouped as the region groups them.
inline constexpr int longestExactInteger = 4;
inline constexpr int longestPlainInteger = 15;

// How a value that is a rational alone is written: as a decimal where it has at most three
// decimals ("7,5", "0,5") and as a fraction otherwise ("10/3"), or always as a fraction
// ("1/2", as a table of sines writes sin 30°). An integer is an integer either way; beside a
// root a fraction goes over the common denominator: "(5 + 2√3)/2", "5√3/2".
enum class RationalForm { Decimal, Fraction };

// "4", "7,5", "10/3", "−3√2", "5√3/2", "2 + √3", "√46 − 2", "(√6 − √2)/4": the positive term
// first, then the rational one, then the smaller radicand. Nothing for none or too long.
std::optional<std::string> WriteExact(const ExactNumber& x, const NumberFormat& region,
                                      RationalForm form = RationalForm::Decimal);

// A rational with at most three decimals: written to three decimals it is exact, so a step
// needs no "≈" before its decimal.
bool FitsThreeDecimals(const ExactNumber& x);

} // namespace triangle
