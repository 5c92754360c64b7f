#include "bench/element_bench.h"
#include "bench/floor.h"
#include "bench/relation_bench.h"
#include "solver/number/field_number.h"
#include "solver/variant/row_texts.h"
#include "solver/variant/variant_solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

// Given texts of a valid triangle for each variant, as a user would type them: in the period
// region, and in the Bulgarian one with its decimal comma.
const char* const givenTexts[triangle::VariantCount][2] = {{"1.7", "2.9"},   {"2.3", "4.1"},
                                                           {"10.3", "12.7"}, {"7.9", "18.4"},
                                                           {"14.6", "7.3"},  {"3.1", "11.7"}};
const char* const bulgarianTexts[triangle::VariantCount][2] = {{"1,7", "2,9"},   {"2,3", "4,1"},
                                                               {"10,3", "12,7"}, {"7,9", "18,4"},
                                                               {"14,6", "7,3"},  {"3,1", "11,7"}};

// The regions a calculation is timed in: the period region and the Bulgarian one (decimal
// comma, a no-break space between groups).
triangle::NumberFormat regionOf(std::int64_t n)
{
    triangle::NumberFormat region;
    if (n == 1) {
        region.decimalSeparator = ",";
        region.groupSeparator = "\u00A0";
    }
    return region;
}

// The floor: the same work written bare. Two from_chars of the period texts, the variant's
// formulas in plain doubles, four to_chars in fixed notation with three decimals into a
// std::string.
std::array<double, 4> bareSolve(int k, double x, double y)
{
    switch (static_cast<triangle::Variant>(k)) {
    case triangle::Variant::LegAndHypotenuse: {
        const double a = x, c = y, b = std::sqrt(c * c - a * a);
        return {a, c, (a + b) + c, (a * b) / 2.0};
    }
    case triangle::Variant::LegAndArea: {
        const double a = x, S = y, b = (2.0 * S) / a, c = std::sqrt(a * a + b * b);
        return {a, c, (a + b) + c, S};
    }
    case triangle::Variant::HypotenuseAndArea: {
        const double c = x, S = y, s = std::sqrt(c * c + 4.0 * S);
        const double t = std::sqrt(s * s - 8.0 * S), a = (s + t) / 2.0;
        const double b = std::sqrt(c * c - a * a);
        return {a, c, (a + b) + c, S};
    }
    case triangle::Variant::HypotenuseAndPerimeter: {
        const double c = x, P = y, r = (P - 2.0 * c) / 2.0, S = (P * r) / 2.0;
        const double t = std::sqrt((P - c) * (P - c) - 8.0 * S), b = ((P - c) + t) / 2.0;
        return {(2.0 * S) / b, c, P, S};
    }
    case triangle::Variant::PerimeterAndArea: {
        const double P = x, S = y, s = (P * P + 4.0 * S) / (2.0 * P);
        const double t = std::sqrt(s * s - 8.0 * S), b = (s + t) / 2.0, a = (2.0 * S) / b;
        return {a, P - (a + b), P, S};
    }
    case triangle::Variant::LegAndPerimeter: {
        const double a = x, P = y, b = (P * P - (2.0 * P) * a) / (2.0 * P - 2.0 * a);
        return {a, (P - a) - b, P, (a * b) / 2.0};
    }
    }
    return {};
}

// One whole press of the calculate button without the window: read two texts, solve,
// format the four values as the row does (a value near a half thousandth rounded from its
// exact value); in turns with the floor.
void WholeCalculation(benchmark::State& state)
{
    const auto k = static_cast<std::int16_t>(state.range(0));
    const triangle::NumberFormat region = regionOf(state.range(1));
    const auto& texts = state.range(1) == 1 ? bulgarianTexts[k] : givenTexts[k];
    auto calculation = [&] {
        const auto solved = triangle::Solve(k, texts[0], texts[1], region);
        auto shown = triangle::FormatRowFields(k, solved.value(), region);
        benchmark::DoNotOptimize(shown);
    };
    auto floor = [k] {
        const std::array<double, 4> row =
            bareSolve(k, BareRead(givenTexts[k][0]), BareRead(givenTexts[k][1]));
        for (double value : row) {
            std::string text = BareText(value);
            benchmark::DoNotOptimize(text);
        }
    };
    TimeAgainstFloor(state, calculation, floor);
}
BENCHMARK(WholeCalculation)
    ->ArgsProduct({benchmark::CreateDenseRange(0, triangle::VariantCount - 1, 1), {0, 1}})
    ->ArgNames({"variant", "region"})
    ->UseManualTime();

// Prints the usual table, then each calculation's ratio to its floor.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto ratio = run.counters.find("ratio");
            if (run.run_type != Run::RT_Iteration || ratio == run.counters.end())
                continue;
            // Named as registered, without what the benchmark library adds for the minimum
            // and the manual time.
            std::string name = run.benchmark_name();
            for (const char* added : {"/min_time:", "/manual_time"})
                name.erase(std::min(name.size(), name.find(added)));
            m_ratios[name] = ratio->second;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("calculation/floor, each variant: read two texts, solve, format four\n  floor: "
                    "two from_chars, the formulas in plain doubles, four to_chars (fixed, three "
                    "decimals) into a std::string\n  (timed in turns, median of the ratios of "
                    "adjacent batches)\n");
        for (int k = 0; k < triangle::VariantCount; ++k) {
            std::string line;
            for (const char* region : {"0", "1"}) {
                const auto ratio = m_ratios.find("WholeCalculation/variant:" + std::to_string(k) +
                                                 "/region:" + region);
                if (ratio == m_ratios.end())
                    continue;
                char figure[32];
                std::snprintf(figure, sizeof figure, "  %s %.2f",
                              region[0] == '0' ? "period" : "Bulgarian", ratio->second);
                line += figure;
            }
            if (!line.empty())
                std::printf("  variant %d:%s\n", k, line.c_str());
        }
        PrintElementRatios(m_ratios);
        PrintRelationRatios(m_ratios);
    }

private:
    std::map<std::string, double> m_ratios;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterElementBenchmarks();
    RegisterRelationBenchmarks();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
