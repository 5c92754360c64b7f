#pragma once

#include <vector>

namespace triangle::win32 {

// The heights of the list items that show one block of wrapped text together, none taller
// than `tallest` pixels (a variable list box item's height is a byte). The block is `lines`
// lines of `lineHeight` pixels between `padding` pixels above and below; the items split it
// between lines, so that no line is cut, and their heights add up to the block's. A line
// taller than an item can be is cut where it must be.
std::vector<int> ItemPieces(int lines, int lineHeight, int padding, int tallest);

} // namespace triangle::win32
