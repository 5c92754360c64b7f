#pragma once

#include <map>
#include <string>

// The calculation from any two of the twelve elements, timed for each of the 64 pairs that
// determine a triangle in the Bulgarian region, in turns with a floor of the same reading
// and writing. Registers the benchmarks; ends the program with a message when a pair's texts
// are not accepted, since then it would time a refusal.
void RegisterElementBenchmarks();

// Prints each pair's ratio to its floor, from the ratios by benchmark name.
void PrintElementRatios(const std::map<std::string, double>& ratiosByName);
