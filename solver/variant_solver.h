#pragma once

#include "solver/calculation_fault.h"
#include "solver/field_number.h"

#include <cstdint>
#include <string_view>

namespace triangle {

// The four quantities of one row, in the order of the columns: leg, hypotenuse,
// perimeter, area; and the other leg, worked out on the way but never shown in the row.
struct RowFields {
    FieldNumber a;
    FieldNumber c;
    FieldNumber P;
    FieldNumber S;
    FieldNumber b{};
};

constexpr std::int16_t VariantCount = 6;
constexpr std::int16_t ColumnCount = 4;

// Columns (0 a, 1 c, 2 P, 3 S) of the two quantities the user gives in variant k.
struct GivenColumns {
    std::int16_t first;
    std::int16_t second;
};
GivenColumns GivenColumnsOf(std::int16_t k);

// Solves variant k (0 to 5) from the texts of its two given fields, first-listed first.
// When the given values fail the variant's check, they come back with the other two
// quantities unset; values that pass and still fit no right triangle end in a fault.
Calculated<RowFields> Solve(std::int16_t k, std::string_view first, std::string_view second,
                            const NumberFormat& region = {});

} // namespace triangle
