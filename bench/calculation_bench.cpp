#include "solver/field_number.h"
#include "solver/variant_solver.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

namespace {

// Given texts of a valid triangle for each variant, as a user would type them.
const char* const givenTexts[triangle::VariantCount][2] = {{"1.7", "2.9"},   {"2.3", "4.1"},
                                                           {"10.3", "12.7"}, {"7.9", "18.4"},
                                                           {"14.6", "7.3"},  {"3.1", "11.7"}};

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

// One whole press of the calculate button without the window: read two texts, solve,
// format the four values.
void WholeCalculation(benchmark::State& state)
{
    const auto k = static_cast<std::int16_t>(state.range(0));
    const triangle::NumberFormat region = regionOf(state.range(1));
    for (auto _ : state) {
        const auto solved = triangle::Solve(k, givenTexts[k][0], givenTexts[k][1], region);
        const triangle::RowFields& row = solved.value();
        for (const triangle::FieldNumber& value : {row.a, row.c, row.P, row.S}) {
            std::string text = triangle::FormatFieldNumber(value, region);
            benchmark::DoNotOptimize(text);
        }
    }
}
BENCHMARK(WholeCalculation)
    ->ArgsProduct({benchmark::CreateDenseRange(0, triangle::VariantCount - 1, 1), {0, 1}})
    ->ArgNames({"variant", "region"});

// The floor: the same work written bare. Two from_chars, the variant's formulas in plain
// doubles, four to_chars in fixed notation with three decimals into a std::string.
double bareRead(std::string_view text)
{
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::array<double, 4> bareSolve(int k, double x, double y)
{
    switch (k) {
    case 0: {
        const double a = x, c = y, b = std::sqrt(c * c - a * a);
        return {a, c, (a + b) + c, (a * b) / 2.0};
    }
    case 1: {
        const double a = x, S = y, b = (2.0 * S) / a, c = std::sqrt(a * a + b * b);
        return {a, c, (a + b) + c, S};
    }
    case 2: {
        const double c = x, S = y, s = std::sqrt(c * c + 4.0 * S);
        const double t = std::sqrt(s * s - 8.0 * S), a = (s + t) / 2.0;
        const double b = std::sqrt(c * c - a * a);
        return {a, c, (a + b) + c, S};
    }
    case 3: {
        const double c = x, P = y, r = (P - 2.0 * c) / 2.0, S = (P * r) / 2.0;
        const double t = std::sqrt((P - c) * (P - c) - 8.0 * S), b = ((P - c) + t) / 2.0;
        return {(2.0 * S) / b, c, P, S};
    }
    case 4: {
        const double P = x, S = y, s = (P * P + 4.0 * S) / (2.0 * P);
        const double t = std::sqrt(s * s - 8.0 * S), b = (s + t) / 2.0, a = (2.0 * S) / b;
        return {a, P - (a + b), P, S};
    }
    default: {
        const double a = x, P = y, b = (P * P - (2.0 * P) * a) / (2.0 * P - 2.0 * a);
        return {a, (P - a) - b, P, (a * b) / 2.0};
    }
    }
}

void BareCalculation(benchmark::State& state)
{
    const auto k = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const std::array<double, 4> row =
            bareSolve(k, bareRead(givenTexts[k][0]), bareRead(givenTexts[k][1]));
        for (double value : row) {
            char buffer[330];
            const auto written =
                std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
            std::string text(buffer, written.ptr);
            benchmark::DoNotOptimize(text);
        }
    }
}
BENCHMARK(BareCalculation)->DenseRange(0, triangle::VariantCount - 1)->ArgName("variant");

// Prints the usual table, then the project's time over the floor's for each variant and
// region.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                m_nanoseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("project/floor, whole calculation (read two texts, solve, format four)\n");
        for (int k = 0; k < triangle::VariantCount; ++k) {
            const auto floor = m_nanoseconds.find("BareCalculation/variant:" + std::to_string(k));
            if (floor == m_nanoseconds.end())
                continue;
            std::printf("  variant %d:", k);
            for (const char* region : {"0", "1"}) {
                const auto project = m_nanoseconds.find(
                    "WholeCalculation/variant:" + std::to_string(k) + "/region:" + region);
                if (project != m_nanoseconds.end())
                    std::printf("  %s %.2f", region[0] == '0' ? "period" : "Bulgarian",
                                project->second / floor->second);
            }
            std::printf("\n");
        }
    }

private:
    std::map<std::string, double> m_nanoseconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
