#pragma once

#include <map>
#include <string>

// The calculation from a relation typed as the book states it ("a:b=5:12") and a value, or
// two relations, in the Bulgarian region, in turns with the floor of the element pairs: one
// row for each kind of relation. Registers the benchmarks; ends the program with a message
// when a row's texts are refused, since then it would time a refusal.
void RegisterRelationBenchmarks();

// Prints each row's ratio to its floor, from the ratios by benchmark name.
void PrintRelationRatios(const std::map<std::string, double>& ratiosByName);
