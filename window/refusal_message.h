#pragma once

#include "solver/number_format.h"
#include "solver/refusal.h"

#include <string>
#include <string_view>

namespace triangle {

// The Bulgarian message that tells why variant refusal.variant gave no triangle: the
// quantities by name, the values read and the bound at stake in the region's number
// format, or the field whose text is not a number, quoted as typed. Never worded as
// arithmetic.
std::string RefusalMessage(const Refusal& refusal, std::string_view firstText,
                           std::string_view secondText, const NumberFormat& region);

// A value as a message shows it: three decimals in the region's format, or, far from the
// sizes of a school triangle, three decimals of its leading digit and a power of ten
// ("1,000·10³⁰⁰"), since the full text could run to hundreds of digits.
std::string MessageNumber(double value, const NumberFormat& region);

// Puts `value` in place of every `{name}` in `text`.
void Fill(std::string& text, std::string_view name, std::string_view value);

} // namespace triangle
