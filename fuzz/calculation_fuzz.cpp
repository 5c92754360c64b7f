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

// A whole calculation from two arbitrary texts: a whole triangle or a refusal. A triangle
// has every quantity set, finite and shown without a minus sign, and its given values
// where they were; a refusal names one of the variant's given quantities.
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
    const triangle::GivenColumns given = triangle::GivenColumnsOf(k);
    if (!solved.ok()) {
        const triangle::Refusal& refusal = solved.fault();
        if (refusal.variant != k ||
            (refusal.column != given.first && refusal.column != given.second))
            std::abort();
        return 0;
    }
    const triangle::RowFields& row = solved.value();
    const triangle::FieldNumber values[4] = {row.a, row.c, row.P, row.S};
    for (const triangle::FieldNumber& value : values) {
        if (!shownAsResult(value) || !value)
            std::abort();
    }
    if (!row.b || !(*row.b >= 0.0))
        std::abort();
    return 0;
}
