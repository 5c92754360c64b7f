#pragma once

#include "solver/number/field_number.h"
#include "window/solution/solution_page.h"

#include <cstdint>
#include <string>

namespace triangle {

struct TriangleDetails;
class Steps;

// The whole triangle of a calculated row as the tooltip of its fields shows it: a heading,
// then one quantity per line, "катет b = 4,000", in the region's number format, angles in
// degrees with the degree sign.
// With the exact values of the calculation (by the quantities' names), each value that
// has an exact form other than its decimal is written with it: "катет b = 5√3 ≈ 8,660".
std::string RowDetailsText(const TriangleDetails& details, const NumberFormat& region,
                           const Steps* exact = nullptr);

// The whole triangle as the window of any two elements writes its fields: "катет b = 5√3 ≈
// 8,660", "хипотенуза c = 13", "ъгъл α срещу катета a = 36°52′ (36,870°)".
std::string ElementsDetailsText(const TriangleDetails& details, const ExactElements& exact,
                                const NumberFormat& region);

// What the tooltip of a calculated row's fields and Shift+F1 show: RowDetailsText with the
// row's exact values, then the trigonometric values of α and of β, a line each, in three
// decimals as the main window shows numbers: "sin α = 0,600, cos α = 0,800, tg α = 0,750,
// cotg α = 1,333". A printed solution has them in its steps already.
std::string RowTipText(const TriangleDetails& details, const NumberFormat& region,
                       const Steps& exact);

// The exact values of variant k's triangle from its given values, for RowDetailsText.
Steps ExactValuesOfRow(std::int16_t k, double first, double second, const NumberFormat& region);

} // namespace triangle
