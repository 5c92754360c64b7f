#include "fuzz/fuzz_regions.h"
#include "solver/variant/variant_solver.h"

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
    const auto input = TakeApart(data, size, 1);
    if (!input)
        return 0;
    const auto k = static_cast<std::int16_t>(input->choices[0] % triangle::VariantCount);
    const auto solved = triangle::Solve(k, input->first(), input->second(), input->region);
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
