#pragma once

// A given value as a student types it from the book: a decimal in the region ("12,5"), a
// fraction ("3/5"), a root with its multiples and quotients ("2√3", "√3/2", "2/√3", also
// "2*sqrt(3)"), or a number and such a root added ("3 + √3", "2√3 − 2"). Also what the window
// of any two elements writes itself: "5√3 ≈ 8,660" reads as its exact part.

#include "solver/exact/exact_number.h"
#include "solver/formula/calculation_fault.h"
#include "solver/number/field_text_check.h"
#include "solver/number/number_format.h"

#include <string_view>

namespace triangle {

struct TypedNumber {
    double value = 0.0;
    // The number typed, where it was typed exactly: every form above except a decimal of
    // three or more decimals, which stands for a rounded value (3,464 for 2√3) and so has
    // no exact form to show. None there.
    ExactNumber exact;
    // Typed as a fraction or with a root, not as a decimal: written back as the book writes
    // it ("2√3" for "2*sqrt(3)", "3/5").
    bool form = false;
};

// Reads a given length, area or perimeter. A decimal is read as ReadFieldNumberStrictly reads
// it, with its problems; any other text that is not one of the forms above is NotOneNumber.
Calculated<TypedNumber, FieldTextProblem> ReadTypedNumber(std::string_view text,
                                                          const NumberFormat& region = {});

// Reads a given angle in degrees as ReadAngleStrictly does, with its exact value where it was
// typed as a decimal of at most two decimals (30, 22,5).
Calculated<TypedNumber, FieldTextProblem> ReadTypedAngle(std::string_view text,
                                                         const NumberFormat& region = {});

} // namespace triangle
