#pragma once

#include "solver/formula/calculation_fault.h"
#include "solver/number/number_format.h"

#include <optional>
#include <string>
#include <string_view>

namespace triangle {

// A quantity during a calculation: unset until the step that computes it has run.
using FieldNumber = std::optional<double>;

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
