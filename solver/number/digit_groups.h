#pragma once

// The digits of a typed number and their groups, as both readings of a field see them:
// ReadFieldNumber and ReadFieldNumberStrictly must agree on which groups are proper.

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace triangle {

// An ASCII digit, whatever the process locale.
constexpr bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// Runs of digits joined by a group separator, the leading one first. Runs far from the
// decimal separator all take the size that repeats; the first run after the leading one
// that does not is where a grouping can first go wrong, found once so that each count of
// runs is checked in a few steps however long the text.
std::size_t FirstOddGroup(std::span<const std::string_view> runs, const std::vector<int>& sizes);

// True when the runs are written in the grouped form `sizes` says: every group next to the
// decimal separator its exact size, the leading one no longer than its size and not
// starting with a zero. `firstOdd` is FirstOddGroup of these runs or of more that begin
// with them.
bool GroupedAs(std::span<const std::string_view> runs, const std::vector<int>& sizes,
               std::size_t firstOdd);

inline bool GroupedAs(std::span<const std::string_view> runs, const std::vector<int>& sizes)
{
    return GroupedAs(runs, sizes, FirstOddGroup(runs, sizes));
}

} // namespace triangle
