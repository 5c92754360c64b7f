#pragma once

#include "solver/element/element_solver.h"
#include "solver/number/number_format.h"
#include "window/solution/solution_page.h"

#include <array>
#include <string>
#include <vector>

namespace triangle {

struct RowOutcome;
struct Step;

// One step as a line: "b = √(c² − a²) = √(5,000² − 3,000²) = 4,000", numbers in the
// region's format with three decimals; for the note that a radicand is below zero only
// within the rounding of the given values, that sentence. With `angleMinutes` (the window of
// any two elements), an angle's decimal result is written in degrees and minutes instead. An
// angle found from its tangent is written as a textbook does: "tg α = a / b = 7/24 ⇒
// α ≈ 16°16′", in "Решение" "⇒ α = 16,260° ≈ 16°16′". A side found by a trigonometric value
// says the ratio first: "sin α = a / c ⇒ a = c·sin α = 26·5/13 = 10".
std::string StepLine(const Step& step, const NumberFormat& region, bool angleMinutes = false);

// The step's line, each after a line feed, and before it the line that says what its
// quantity is, where it has one ("s = a + b, сборът на катетите:").
std::string StepLines(const Step& step, const NumberFormat& region, bool angleMinutes = false);

// What the window "Решение" shows for the selected row. A solved row: its given values, the
// variant's formulas in the order the solver evaluated them, then the rest of the triangle
// (α, β, h, r, R), each with its numbers put in, and the trigonometric values of α and of β
// (TrigonometricLines). A refused one: the explanation the user was given and, where the
// bound crossed belongs to a triangle (the isosceles one), that triangle's calculation and
// drawing. An empty row: what to do to get a triangle. With
// `exact`, each step whose result follows exactly from the given values shows its exact
// form too ("√75 = 5√3 ≈ 8,660"); the decimals are the same either way.
SolutionPage SolutionPageOf(const RowOutcome& outcome, const NumberFormat& region,
                            bool exact = true);

// A given value as the steps name it: "a = 7,000", "a = 2√3", "α ≈ 36°52′", "α = 30°".
std::string GivenValueText(const GivenElement& given, const NumberFormat& region);

// What the window of any two elements shows for two given values as read: the given values,
// the pair's formulas as the solver evaluated them, then the rest of the triangle and the
// trigonometric values of α and of β (TrigonometricLines); after a refusal, `message`, the
// explanation the user was given, and nothing drawn.
SolutionPage ElementSolutionPageOf(Element first, double firstValue, Element second,
                                   double secondValue, const std::string& message,
                                   const NumberFormat& region, bool exact = true);

// The same for two values with their exact values as typed ("2√3"); `exactElements`, where
// given, receives the exact value of every element the steps worked out.
SolutionPage ElementSolutionPageOf(const GivenElement& first, const GivenElement& second,
                                   const std::string& message, const NumberFormat& region,
                                   ExactElements* exactElements = nullptr, bool exact = true);

} // namespace triangle
