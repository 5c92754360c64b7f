#pragma once

#include "solver/element/element_solver.h"
#include "solver/number/number_format.h"

#include <string>
#include <string_view>

namespace triangle {

// A given value written back into its field after a calculation: in the region's format,
// with three decimals or as many as were typed if more ("1,2345" stays "1,2345"), so that
// calculating again gives the same triangle; an angle with "°". An angle typed in degrees
// and minutes ("36°52′") keeps its text, since no decimal writes it exactly.
std::string GivenFieldText(std::string_view typed, double value, bool angle,
                           const NumberFormat& region);

// A given value as read, written back as the book writes it where it was typed exactly: a
// fraction or a root in its canonical form ("2√3" for "2*sqrt(3)", "3/5"), a decimal of at
// most two decimals as it is ("6", "7,5", "30°"); a decimal of more as GivenFieldText writes
// it.
std::string GivenFieldText(std::string_view typed, const TypedNumber& value, Element element,
                           const NumberFormat& region);

// A computed value as the window of any two elements shows it: where it has a short exact
// form, that form, with the decimal after it unless it is itself a decimal of at most three
// decimals ("5√3 ≈ 8,660", "60/13 ≈ 4,615", "13", "7,5"); otherwise the decimal with three
// decimals; an angle in degrees and minutes (AngleFieldText).
// `decimal` is the value's text with three decimals, a tie rounded by hand
// (ElementNumberTexts).
std::string ComputedFieldText(Element element, double value, const std::string& decimal,
                              const ExactNumber& exact, const NumberFormat& region);

// The number of decimals a text as typed carries: the digits after its decimal separator,
// the region's or the period, less an exponent's shift ("1.25e1" carries 1).
int TypedDecimals(std::string_view typed, const NumberFormat& region);

} // namespace triangle
