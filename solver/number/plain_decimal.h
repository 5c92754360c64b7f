#pragma once

#include "solver/formula/calculation_fault.h"

#include <string_view>

namespace triangle {

// The parts of a decimal number as read from a field's text, each a run of ASCII digits:
// whole.fraction·10^(±exponent). Either of whole and fraction may be empty, not both.
struct PlainDecimal {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
    bool exponentNegative = false;
    std::string_view exponent;
};

// The nearest double, the same in every process locale. A number beyond the range of a
// double fails with Overflow; one too small for it is zero.
Calculated<double> ValueOf(const PlainDecimal& number);

} // namespace triangle
