#include "window/win32/item_pieces.h"

#include <algorithm>

namespace triangle::win32 {

std::vector<int> ItemPieces(int lines, int lineHeight, int padding, int tallest)
{
    const int total = lines * lineHeight + 2 * padding;
    if (total <= tallest)
        return {total};
    std::vector<int> pieces;
    // As many whole lines as an item holds with the padding of both ends of the block.
    const int perItem = (tallest - 2 * padding) / std::max(1, lineHeight);
    if (perItem == 0) {
        for (int left = total; left > 0; left -= tallest)
            pieces.push_back(std::min(left, tallest));
        return pieces;
    }
    int left = lines;
    while (left > 0) {
        const int taken = std::min(left, perItem);
        int height = taken * lineHeight;
        if (pieces.empty())
            height += padding;
        left -= taken;
        if (left == 0)
            height += padding;
        pieces.push_back(height);
    }
    return pieces;
}

} // namespace triangle::win32
