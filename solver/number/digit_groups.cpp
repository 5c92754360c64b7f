#include "solver/number/digit_groups.h"

#include "solver/number/number_format.h"

namespace triangle {

std::size_t FirstOddGroup(std::span<const std::string_view> runs, const std::vector<int>& sizes)
{
    const int repeating = GroupSize(sizes, sizes.size());
    std::size_t firstOdd = 1;
    while (firstOdd < runs.size() && repeating > 0 &&
           runs[firstOdd].size() == static_cast<std::size_t>(repeating))
        ++firstOdd;
    return firstOdd;
}

bool GroupedAs(std::span<const std::string_view> runs, const std::vector<int>& sizes,
               std::size_t firstOdd)
{
    const std::size_t count = runs.size();
    const std::size_t fixed = sizes.empty() ? 0 : sizes.size() - 1; // groups before it repeats
    const std::size_t lastRepeating = count - 1 > fixed ? count - 1 - fixed : 0;
    if (firstOdd <= lastRepeating)
        return false;
    for (std::size_t j = lastRepeating + 1; j < count; ++j) {
        const int size = GroupSize(sizes, count - 1 - j);
        if (size == 0 || runs[j].size() != static_cast<std::size_t>(size))
            return false;
    }
    const int leading = GroupSize(sizes, count - 1);
    const std::string_view first = runs[0];
    if (first.empty() || first[0] == '0')
        return false;
    return leading == 0 || first.size() <= static_cast<std::size_t>(leading);
}

} // namespace triangle
