#pragma once

#include "solver/number/field_text_check.h"

#include <cstdint>
#include <optional>

namespace triangle {

// Which check a calculation failed. The bound named is the one Refusal::bound holds.
enum class RefusalReason {
    FieldText,                      // a given field does not hold one number: see textProblem
    NotPositive,                    // a given length or area is zero or negative
    LegNotShorterThanHypotenuse,    // variant 1: a ≥ c; bound c
    AreaTooLargeForHypotenuse,      // variant 3: S > c²/4; bound c²/4
    PerimeterTooShortForHypotenuse, // variant 4: P ≤ 2c; bound 2c
    PerimeterTooLongForHypotenuse,  // variant 4: P > (1 + √2)·c; bound (1 + √2)·c
    AreaTooLargeForPerimeter, // variant 5: S > (3 − 2√2)·P²/4; bound (3 − 2√2)·P²/4
    PerimeterTooShortForLeg,  // variant 6: P ≤ 2a; bound 2a
    ResultBeyondRange,        // a result lies beyond the range of a double
    NoTriangle,               // a last guard: a root or divisor the checks let through
};

// Why a calculation gave no triangle, as a value the window words for the user.
struct Refusal {
    RefusalReason reason = RefusalReason::FieldText;
    std::int16_t variant = 0; // 0 to 5
    // The given quantity to correct (0 a, 1 c, 2 P, 3 S): the field whose text failed, the
    // quantity that is not positive, or the one the bound limits.
    std::int16_t column = 0;
    FieldTextProblem textProblem = FieldTextProblem::Empty; // with RefusalReason::FieldText
    // The two given values as read, first-listed first; unset where a text was no number.
    std::optional<double> first;
    std::optional<double> second;
    // The value of the bound at stake, from the given values; unset where none is, or where
    // it lies beyond the range of a double.
    std::optional<double> bound;
};

} // namespace triangle
