#include "fuzz/fuzz_regions.h"
#include "solver/variant_solver.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

bool shownAsResult(const triangle::FieldNumber& value)
{
    return !value || (std::isfinite(*value) && *value >= 0.0 &&
                      !triangle::FormatFieldNumber(value).starts_with('-'));
}

} // namespace

// A whole calculation from two arbitrary texts: a result or a fault, and a result never
// shows a negative or non-finite value in a computed field.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const auto k = static_cast<std::int16_t>(data[0] % triangle::VariantCount);
    const triangle::NumberFormat region = regionOf(data[1]);
    const std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::size_t split = input.find('\0');
    const std::string_view first = input.substr(0, split);
    const std::string_view second =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    const auto solved = triangle::Solve(k, first, second, region);
    if (!solved.ok())
        return 0;
    const triangle::RowFields& row = solved.value();
    const triangle::FieldNumber values[4] = {row.a, row.c, row.P, row.S};
    const triangle::GivenColumns given = triangle::GivenColumnsOf(k);
    const bool computed = values[0] && values[1] && values[2] && values[3];
    for (int column = 0; column < 4; ++column) {
        const bool isGiven = column == given.first || column == given.second;
        if (isGiven && (!values[column] || !std::isfinite(*values[column])))
            std::abort();
        if (!isGiven && values[column] && !computed)
            std::abort(); // a failed check leaves both other quantities unset
        if (!isGiven && !shownAsResult(values[column]))
            std::abort();
    }
    return 0;
}
