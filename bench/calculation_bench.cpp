#include "solver/field_number.h"
#include "solver/variant_solver.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Given texts of a valid triangle for each variant, as a user would type them.
const char* const givenTexts[triangle::VariantCount][2] = {{"1.7", "2.9"},   {"2.3", "4.1"},
                                                           {"10.3", "12.7"}, {"7.9", "18.4"},
                                                           {"14.6", "7.3"},  {"3.1", "11.7"}};

// One whole press of the calculate button without the window: read two texts, solve,
// format the four values.
void WholeCalculation(benchmark::State& state)
{
    const auto k = static_cast<std::int16_t>(state.range(0));
    const triangle::NumberFormat region;
    for (auto _ : state) {
        const auto solved = triangle::Solve(k, givenTexts[k][0], givenTexts[k][1], region);
        const triangle::RowFields& row = solved.value();
        for (const triangle::FieldNumber& value : {row.a, row.c, row.P, row.S}) {
            std::string text = triangle::FormatFieldNumber(value, region);
            benchmark::DoNotOptimize(text);
        }
    }
}
BENCHMARK(WholeCalculation)->DenseRange(0, triangle::VariantCount - 1)->ArgName("variant");

} // namespace

BENCHMARK_MAIN();
