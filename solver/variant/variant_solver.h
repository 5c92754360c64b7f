#pragma once

#include "solver/formula/calculation_fault.h"
#include "solver/number/field_number.h"
#include "solver/variant/refusal.h"

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

// The columns of a row, as a refusal and GivenColumns number them.
namespace column {
inline constexpr std::int16_t a = 0;
inline constexpr std::int16_t c = 1;
inline constexpr std::int16_t P = 2;
inline constexpr std::int16_t S = 3;
} // namespace column

// The six variants, numbered k (0 to 5) in the order of the window's rows: which two of
// the row's quantities the user gives.
enum class Variant : std::int16_t {
    LegAndHypotenuse,       // a, c
    LegAndArea,             // a, S
    HypotenuseAndArea,      // c, S
    HypotenuseAndPerimeter, // c, P
    PerimeterAndArea,       // P, S
    LegAndPerimeter,        // a, P
};

constexpr std::int16_t VariantNumber(Variant variant)
{
    return static_cast<std::int16_t>(variant);
}

// Columns of the two quantities the user gives in variant k.
struct GivenColumns {
    std::int16_t first;
    std::int16_t second;
};
GivenColumns GivenColumnsOf(std::int16_t k);

// The whole row of a right triangle, every quantity set, or why there is none.
using Solution = Calculated<RowFields, Refusal>;

// Solves variant k (0 to 5) from the texts of its two given fields, first-listed first,
// each read strictly (ReadFieldNumberStrictly). Values that fit no right triangle are
// refused; values within what typing them to three decimals can move of the isosceles
// triangle give the isosceles triangle.
Solution Solve(std::int16_t k, std::string_view first, std::string_view second,
               const NumberFormat& region = {});

class Steps;
enum class StepNote;

// Solves variant k from its two given values as read, as Solve does once it has read them;
// with steps, each formula evaluated is also written there, in order, as it ran.
Solution SolveValues(std::int16_t k, double first, double second, Steps* steps = nullptr);

// The names the steps give the legs: the variant's leg a, given or computed, and the other.
// Swapped, the same bits are written as the other leg's: the solver of any two elements
// calls variant 3's longer leg b, and a given leg b "b".
struct LegNames {
    const char* a = "a";
    const char* b = "b";

    bool swapped() const;
    // A note on the legs' difference as these names write it.
    StepNote difference(StepNote note) const;
};
Solution SolveValues(std::int16_t k, double first, double second, Steps* steps,
                     const LegNames& legs);

} // namespace triangle
