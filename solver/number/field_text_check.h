#pragma once

#include "solver/formula/calculation_fault.h"
#include "solver/number/number_format.h"

#include <string_view>

namespace triangle {

// Why a given field's text is not taken as a number.
enum class FieldTextProblem {
    Empty,            // nothing but blanks
    NoNumber,         // no digit at all: "abc", "-"
    DecimalSeparator, // a number only with the region's decimal separator: "2,5" for 2.5
    BlankInside,      // blanks or a tab between digits that do not group them: "3 5"
    NotOneNumber,     // other characters around or inside the number: "12abc", "1.2.3"
    BeyondRange,      // a number beyond the range of a double
};

// The strict reading of a given field: the text must hold one number and nothing else but
// blanks at its ends, in the period form ("1234.5", "1 234.5") or in the region's own
// form ("1 234,5", "1.234,5", "12,34,567.5", negatives as the region writes them), with
// an optional exponent ("1.5e3"). Digits are grouped by the region's separator in the
// region's group sizes, or by blanks in those sizes or in threes. Whatever it accepts,
// ReadFieldNumber reads as the same value; every text FormatFieldNumber writes passes.
Calculated<double, FieldTextProblem> ReadFieldNumberStrictly(std::string_view text,
                                                             const NumberFormat& region = {});

// The same reading without its shortcut for the usual plain text ("12.5"): every text goes
// through each accepted form. The two agree on every text, as the fuzzer checks.
Calculated<double, FieldTextProblem> ReadFieldNumberStrictlyInFull(std::string_view text,
                                                                   const NumberFormat& region = {});

} // namespace triangle
