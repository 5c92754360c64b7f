#pragma once

// The floor a calculation is measured against, and how: reading and writing numbers with
// nothing but the standard library, timed in turns with the program's own calculation.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

// A period text read with one from_chars.
inline double BareRead(std::string_view text)
{
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A value written with one to_chars, fixed, three decimals, into a std::string.
inline std::string BareText(double value)
{
    char buffer[330];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, written.ptr);
}

inline double MedianOf(std::vector<double>& values)
{
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Times `calculation` and `floor` in turns, a batch of each, so that both meet the same load
// of a machine shared with others. Sets the counter "ratio" to the median of the ratios of
// adjacent batches, which leaves out the batches the scheduler interrupted, and "calc_ns"
// and "floor_ns" to the median times per calculation of each. The benchmark's time, to be
// set as manual, is the calculation's; its CPU time, the calculation's and the floor's.
template <typename Calculation, typename Floor>
void TimeAgainstFloor(benchmark::State& state, Calculation calculation, Floor floor)
{
    using Clock = std::chrono::steady_clock;
    // Long enough that reading the clock costs under a percent of a batch.
    constexpr int batch = 16;
    std::vector<double> ratios;
    std::vector<double> times;
    std::vector<double> floorTimes;
    while (state.KeepRunningBatch(batch)) {
        const auto start = Clock::now();
        for (int i = 0; i < batch; ++i)
            calculation();
        const auto middle = Clock::now();
        for (int i = 0; i < batch; ++i)
            floor();
        const std::chrono::duration<double> project = middle - start;
        const std::chrono::duration<double> bare = Clock::now() - middle;
        state.SetIterationTime(project.count());
        ratios.push_back(project / bare);
        times.push_back(project.count() / batch * 1e9);
        floorTimes.push_back(bare.count() / batch * 1e9);
    }
    state.counters["calc_ns"] = MedianOf(times);
    state.counters["floor_ns"] = MedianOf(floorTimes);
    state.counters["ratio"] = MedianOf(ratios);
}
