#include "bench/element_bench.h"

#include "bench/floor.h"
#include "solver/element/element_solver.h"
#include "solver/number/field_number.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using triangle::Element;
using triangle::ElementCount;
using triangle::MeasuredElementCount;

// The 3-4-5 triangle scaled by 2.3, each element typed to three decimals as a textbook
// states it: a = 6.9, b = 9.2, c = 11.5, the angles of sine 0.6 and 0.8, and those sines,
// cosines, tangents and cotangents.
struct GivenText {
    const char* name; // ASCII, for the benchmark's name
    const char* period;
    const char* bulgarian;
};
constexpr GivenText givenTexts[ElementCount] = {
    {"a", "6.900", "6,900"},       {"b", "9.200", "9,200"},      {"c", "11.500", "11,500"},
    {"alpha", "36.870", "36,870"}, {"beta", "53.130", "53,130"}, {"h", "5.520", "5,520"},
    {"a1", "4.140", "4,140"},      {"b1", "7.360", "7,360"},     {"S", "31.740", "31,740"},
    {"P", "27.600", "27,600"},     {"r", "2.300", "2,300"},      {"R", "5.750", "5,750"},
    {"sinA", "0.600", "0,600"},    {"cosA", "0.800", "0,800"},   {"tgA", "0.750", "0,750"},
    {"cotgA", "1.333", "1,333"},   {"sinB", "0.800", "0,800"},   {"cosB", "0.600", "0,600"},
    {"tgB", "1.333", "1,333"},     {"cotgB", "0.750", "0,750"},  {"mA", "9.826", "9,826"},
    {"mB", "8.293", "8,293"},      {"lA", "9.698", "9,698"},     {"lB", "7.714", "7,714"},
    {"lC", "5.576", "5,576"}};

triangle::NumberFormat bulgarian()
{
    triangle::NumberFormat region;
    region.decimalSeparator = ",";
    region.groupSeparator = "\u00A0";
    return region;
}

struct Pair {
    Element first;
    Element second;
    std::array<double, MeasuredElementCount> values; // the twelve elements as the pair gives them
};

bool isShape(Element element)
{
    return triangle::IsAngle(element) || triangle::IsTrigonometric(element);
}

// Every unordered pair but those that state one fact twice: two of α, β and their
// trigonometric values, c with R.
std::vector<Pair> determiningPairs()
{
    std::vector<Pair> pairs;
    for (int i = 0; i < ElementCount; ++i) {
        for (int j = i + 1; j < ElementCount; ++j) {
            const auto first = static_cast<Element>(i);
            const auto second = static_cast<Element>(j);
            const bool dependent = (isShape(first) && isShape(second)) ||
                                   (first == Element::c && second == Element::R) ||
                                   triangle::IsCevian(first) || triangle::IsCevian(second);
            if (!dependent)
                pairs.push_back({first, second, {}});
        }
    }
    return pairs;
}

std::string pairName(const Pair& pair)
{
    return std::string(givenTexts[static_cast<int>(pair.first)].name) + "," +
           givenTexts[static_cast<int>(pair.second)].name;
}

// Read two texts, solve, write the twelve elements; in turns with the same reading and
// writing bare, the pair's arithmetic counted as nothing: two from_chars of the period
// texts, twelve to_chars of the pair's values.
void elementCalculation(benchmark::State& state, const Pair& pair,
                        const triangle::NumberFormat& region)
{
    const GivenText& first = givenTexts[static_cast<int>(pair.first)];
    const GivenText& second = givenTexts[static_cast<int>(pair.second)];
    auto calculation = [&] {
        const auto solved = triangle::SolveElements(pair.first, first.bulgarian, pair.second,
                                                    second.bulgarian, region);
        const triangle::TriangleDetails& triangle = solved.value();
        for (int e = 0; e < MeasuredElementCount; ++e) {
            std::string text =
                triangle::FormatFieldNumber(triangle::ElementOf(triangle, Element(e)), region);
            benchmark::DoNotOptimize(text);
        }
    };
    auto floor = [&] {
        benchmark::DoNotOptimize(BareRead(first.period));
        benchmark::DoNotOptimize(BareRead(second.period));
        for (double value : pair.values) {
            std::string text = BareText(value);
            benchmark::DoNotOptimize(text);
        }
    };
    TimeAgainstFloor(state, calculation, floor);
}

// 144 pairs: a shorter minimum time than the variants' keeps the whole run within about half
// a minute.
constexpr double pairMinTime = 0.05;

// Width of a text in columns: one per code point ("α", "a₁").
std::size_t columns(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

} // namespace

void RegisterElementBenchmarks()
{
    static const triangle::NumberFormat region = bulgarian();
    static std::vector<Pair> pairs = determiningPairs();
    for (Pair& pair : pairs) {
        const auto solved = triangle::SolveElements(
            pair.first, givenTexts[static_cast<int>(pair.first)].bulgarian, pair.second,
            givenTexts[static_cast<int>(pair.second)].bulgarian, region);
        if (!solved.ok()) {
            std::fprintf(stderr, "calculation_bench: the texts of the pair %s are refused\n",
                         pairName(pair).c_str());
            std::exit(EXIT_FAILURE);
        }
        for (int e = 0; e < MeasuredElementCount; ++e)
            pair.values[static_cast<std::size_t>(e)] =
                triangle::ElementOf(solved.value(), Element(e));
    }
    for (const Pair& pair : pairs) {
        benchmark::RegisterBenchmark(
            ("ElementCalculation/" + pairName(pair)).c_str(),
            [&pair](benchmark::State& state) { elementCalculation(state, pair, region); })
            ->MinTime(pairMinTime)
            ->UseManualTime();
    }
}

void PrintElementRatios(const std::map<std::string, double>& ratiosByName)
{
    std::vector<double> ratios;
    std::string line;
    int onLine = 0;
    for (const Pair& pair : determiningPairs()) {
        const auto found = ratiosByName.find("ElementCalculation/" + pairName(pair));
        if (found == ratiosByName.end())
            continue;
        if (ratios.empty())
            std::printf("calculation/floor, any two elements in the Bulgarian region: read two "
                        "texts, solve, format twelve\n  floor: two from_chars, twelve to_chars "
                        "(fixed, three decimals) into a std::string; the pair's arithmetic counts "
                        "as nothing\n");
        const double ratio = found->second;
        ratios.push_back(ratio);
        std::string name = std::string(triangle::ElementSymbol(pair.first)) + "," +
                           triangle::ElementSymbol(pair.second);
        name.append(6 - std::min<std::size_t>(columns(name), 5), ' ');
        char figure[16];
        std::snprintf(figure, sizeof figure, "%.2f", ratio);
        line += (line.empty() ? "" : "  ") + name + figure;
        if (++onLine == 8) {
            std::printf("  %s\n", line.c_str());
            line.clear();
            onLine = 0;
        }
    }
    if (!line.empty())
        std::printf("  %s\n", line.c_str());
    if (ratios.empty())
        return;
    std::sort(ratios.begin(), ratios.end());
    const std::size_t n = ratios.size();
    const double median = n % 2 == 1 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2.0;
    std::printf("  %zu pairs: min %.2f  median %.2f  max %.2f\n", n, ratios.front(), median,
                ratios.back());
}
