#pragma once

#include <string>
#include <string_view>

namespace triangle {

// How "=" reads: in a step, "b = √75 = 5√3" is "b е равно на корен квадратен от 75, равно
// на 5 корен квадратен от 3"; in a sentence each "=" is ", равно на", a pause before it:
// "c = 10,000" is "c, равно на 10,000".
enum class Speech { Step, Sentence };

// A text with formulas as a screen reader should say it in Bulgarian: every sign a voice
// would skip or say in English put in words ("√(c² − a²)" is "корен квадратен от c на
// квадрат минус a на квадрат", "≈" "приблизително", "·" "по", "/" "върху", "α" "алфа",
// "a₁" "a едно", "°" "градуса"), the digits of a grouped number joined, everything else as
// it is. What is shown keeps its symbols; this is its spoken form, made from the same text.
std::string SpokenText(std::string_view text, Speech speech = Speech::Sentence);

// A line of the steps spoken: a step ("b = …") as a step, any other line as a sentence.
std::string SpokenLine(std::string_view line);

} // namespace triangle
