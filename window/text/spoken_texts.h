#pragma once

// The signs of a formula in words, for a screen reader. UTF-8.

namespace triangle::texts {

inline constexpr const char* SpokenIs = " е равно на ";
inline constexpr const char* SpokenEquals = ", равно на ";
inline constexpr const char* SpokenApproximately = ", приблизително ";
inline constexpr const char* SpokenPlus = " плюс ";
inline constexpr const char* SpokenMinus = " минус ";
inline constexpr const char* SpokenNegative = "минус ";
inline constexpr const char* SpokenTimes = " по ";
inline constexpr const char* SpokenOver = " върху ";
inline constexpr const char* SpokenWholeOver = ", цялото върху ";
inline constexpr const char* SpokenSquared = " на квадрат";
inline constexpr const char* SpokenRootOf = "корен квадратен от ";
inline constexpr const char* SpokenArcTangentOf = "аркустангенс от ";
inline constexpr const char* SpokenTherefore = ", следователно ";
inline constexpr const char* SpokenOpenBracket = "скоба ";
inline constexpr const char* SpokenCloseBracket = ", край на скобата";
inline constexpr const char* SpokenIndexOne = " едно";
inline constexpr const char* SpokenDegrees = " градуса";
inline constexpr const char* SpokenAlpha = "алфа";
inline constexpr const char* SpokenBeta = "бета";
inline constexpr const char* SpokenSine = "синус ";
inline constexpr const char* SpokenCosine = "косинус ";
inline constexpr const char* SpokenTangent = "тангенс ";
inline constexpr const char* SpokenAtMost = " е по-малко или равно на ";
inline constexpr const char* SpokenAtLeast = " е по-голямо или равно на ";
inline constexpr const char* SpokenBelow = " е по-малко от ";
inline constexpr const char* SpokenAbove = " е по-голямо от ";

} // namespace triangle::texts
