#pragma once

// A triangle found numerically whose legs the textbook writes exactly: "c − a = 2 и
// c − b = 16" has legs 24 and 10, which the equation's root gives only to the last bit.

#include "solver/element/fact_closed_forms.h"
#include "solver/element/fact_solver.h"
#include "solver/formula/steps.h"

#include <optional>

namespace triangle::facts {

// The legs as exact values where each is a fraction or the root of one with small terms (24,
// 5/2, 2√3, √601/2) within a few units in the last place of `a` and `b`, and where both facts
// hold for them exactly; none otherwise, and for a fact of an angle, or of a value typed
// with three or more decimals, which stands for a rounded one.
std::optional<Legs> ExactLegs(double a, double b, const Fact& first, const Fact& second);

// The step with its exact value after it, where the value can be written and the steps show
// exact forms: "a = c·sin α = 26,000·sin 67,380° = 24".
Step WithExactResult(Step step, const ExactNumber& value, const Steps& steps);

// A pair of given values solved numerically (its steps say so) whose legs are exact: the
// steps' legs with their exact values, and `rest` worked out again from the exact legs, less
// the given elements and what the steps found. Nothing changes for any other pair.
void WriteExactRest(const Fact& first, const Fact& second, const TriangleDetails& triangle,
                    Steps& steps, Steps& rest);

} // namespace triangle::facts
