#include "bench/relation_bench.h"

#include "bench/floor.h"
#include "solver/element/fact_solver.h"
#include "solver/number/field_number.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

using triangle::Element;

// A relation and a second fact: another relation, or a value of `element`. The triangles are
// the textbook's: 10, 24, 26 and 8, 15, 17 and 7, 24, 25.
struct RelationRow {
    const char* name; // ASCII, for the benchmark's name
    const char* relation;
    const char* second; // a relation where `element` is unset
    std::optional<Element> element;
};
const RelationRow relationRows[] = {
    {"ratio_c", "a:b=5:12", "26", Element::c},
    {"sum_c", "a+b=23", "17", Element::c},
    {"difference_b", "c-a=1", "7", Element::b},
    {"multiple_b", "c=2a", "6", Element::b},
    {"projections_h", "a1:b1=2:3", "6", Element::h},
    {"difference_c", "b-a=14", "26", Element::c},
    {"angles_c", "α:β=1:5", "2", Element::c},
    {"median_ratio_P", "m_a:b=2:1", "30", Element::P},
    {"two_differences", "c-a=2", "c-b=16", std::nullopt},
};

triangle::NumberFormat bulgarian()
{
    triangle::NumberFormat region;
    region.decimalSeparator = ",";
    region.groupSeparator = "\u00A0";
    return region;
}

std::optional<triangle::FactSolution> solveRow(const RelationRow& row,
                                               const triangle::NumberFormat& region)
{
    const auto first = triangle::ReadRelation(row.relation, region);
    if (!first.ok())
        return std::nullopt;
    if (!row.element) {
        const auto second = triangle::ReadRelation(row.second, region);
        if (!second.ok())
            return std::nullopt;
        return triangle::SolveFacts(first.value(), second.value());
    }
    const auto value = triangle::ReadGivenElement(*row.element, row.second, region);
    if (!value.ok())
        return std::nullopt;
    return triangle::SolveFacts(
        first.value(),
        triangle::GivenElement{*row.element, value.value().value, value.value().exact});
}

// Read two texts, solve, write the twelve elements; in turns with two from_chars and twelve
// to_chars, the floor of the element pairs.
void relationCalculation(benchmark::State& state, const RelationRow& row,
                         const triangle::NumberFormat& region, const double (&values)[12])
{
    auto calculation = [&] {
        const auto solved = solveRow(row, region);
        const triangle::TriangleDetails& triangle = solved->value().triangle;
        for (int e = 0; e < triangle::MeasuredElementCount; ++e) {
            std::string text =
                triangle::FormatFieldNumber(triangle::ElementOf(triangle, Element(e)), region);
            benchmark::DoNotOptimize(text);
        }
    };
    auto floor = [&] {
        benchmark::DoNotOptimize(BareRead("26.000"));
        benchmark::DoNotOptimize(BareRead("12.000"));
        for (double value : values) {
            std::string text = BareText(value);
            benchmark::DoNotOptimize(text);
        }
    };
    TimeAgainstFloor(state, calculation, floor);
}

} // namespace

void RegisterRelationBenchmarks()
{
    static const triangle::NumberFormat region = bulgarian();
    static double values[std::size(relationRows)][12];
    for (std::size_t i = 0; i < std::size(relationRows); ++i) {
        const RelationRow& row = relationRows[i];
        const auto solved = solveRow(row, region);
        if (!solved || !solved->ok()) {
            std::fprintf(stderr,
                         "calculation_bench: the texts of the relation row %s are refused\n",
                         row.name);
            std::exit(EXIT_FAILURE);
        }
        for (int e = 0; e < triangle::MeasuredElementCount; ++e)
            values[i][e] = triangle::ElementOf(solved->value().triangle, Element(e));
        benchmark::RegisterBenchmark(("RelationCalculation/" + std::string(row.name)).c_str(),
                                     [&row, i](benchmark::State& state) {
                                         relationCalculation(state, row, region, values[i]);
                                     })
            ->MinTime(0.05)
            ->UseManualTime();
    }
}

void PrintRelationRatios(const std::map<std::string, double>& ratiosByName)
{
    bool first = true;
    for (const RelationRow& row : relationRows) {
        const auto found = ratiosByName.find("RelationCalculation/" + std::string(row.name));
        if (found == ratiosByName.end())
            continue;
        if (first)
            std::printf("calculation/floor, a relation and a value or two relations in the "
                        "Bulgarian region: read, solve, format twelve; the element pairs' floor\n");
        first = false;
        std::printf("  %-16s %-10s %-8s %.2f\n", row.name, row.relation, row.second, found->second);
    }
}
