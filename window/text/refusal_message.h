#pragma once

#include "solver/element/element_solver.h"
#include "solver/number/number_format.h"
#include "solver/variant/refusal.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace triangle {

// The Bulgarian message that tells why variant refusal.variant gave no triangle: the
// quantities by name, the values read and the bound at stake in the region's number
// format, or the field whose text is not a number, quoted as typed. Never worded as
// arithmetic.
std::string RefusalMessage(const Refusal& refusal, std::string_view firstText,
                           std::string_view secondText, const NumberFormat& region);

// The Bulgarian message that tells why two elements gave no triangle, in the same manner:
// the elements by name with their values, the bound at stake in the region's format, or
// the field whose text is not a number, quoted as typed.
std::string ElementRefusalMessage(const ElementRefusal& refusal, std::string_view firstText,
                                  std::string_view secondText, const NumberFormat& region);

// A value as a message shows it: three decimals in the region's format, or, far from the
// sizes of a school triangle, three decimals of its leading digit and a power of ten
// ("1,000·10³⁰⁰"), since the full text could run to hundreds of digits.
std::string MessageNumber(double value, const NumberFormat& region);

// Puts `value` in place of every `{name}` in `text`.
void Fill(std::string& text, std::string_view name, std::string_view value);

// `text` with each `{name}` of `places` replaced by its value in one pass: a value is never
// searched for places itself, so a user's text quoted in a message stays as typed.
struct Place {
    std::string_view name;
    std::string_view value;
};
std::string Filled(std::string_view text, std::initializer_list<Place> places);

} // namespace triangle
