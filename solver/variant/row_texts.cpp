#include "solver/variant/row_texts.h"

#include "solver/exact/tie_rounding.h"
#include "solver/formula/steps.h"

#include <optional>

namespace triangle {

std::array<std::string, ColumnCount> FormatRowFields(std::int16_t k, const RowFields& row,
                                                     const NumberFormat& region)
{
    const FieldNumber values[ColumnCount] = {row.a, row.c, row.P, row.S};
    const char* const names[ColumnCount] = {"a", "c", "P", "S"};
    // The perimeter is the longest length; an area is as large as P²/4 at the most.
    const double length = row.P.value_or(0.0);
    const double scales[ColumnCount] = {length, length, length, length * length / 4.0};
    const GivenColumns given = GivenColumnsOf(k);
    std::optional<Steps> exact;
    auto exactOf = [&](const char* name) {
        if (!exact) {
            exact.emplace(region);
            SolveValues(k, values[given.first].value_or(0.0), values[given.second].value_or(0.0),
                        &*exact);
        }
        return exact->exactOf(name);
    };
    auto text = [&](std::size_t j) {
        if (!values[j])
            return std::string();
        return FormatRoundedByHand(
            *values[j], scales[j], [&] { return exactOf(names[j]); }, region);
    };
    return {text(0), text(1), text(2), text(3)};
}

} // namespace triangle
