#include "window/window_placement.h"

#include <algorithm>

namespace triangle::placement {

Rect OpenPlace(const Rect& main, const std::optional<Rect>& solution, Size wanted,
               const Rect& workArea)
{
    const Rect& beside = solution ? *solution : main;
    Rect place;
    place.width = std::clamp(wanted.width, 0, workArea.width);
    place.height = std::clamp(wanted.height, 0, workArea.height);
    // To the right where there is room, else as far right as the work area lets it; the top
    // with the other window's, else as low as lets the bottom stay on the work area. The left
    // and top edges win, so that a title bar is never off the screen.
    place.left =
        std::max(workArea.left, std::min(beside.right() + Gap, workArea.right() - place.width));
    place.top = std::max(workArea.top, std::min(beside.top, workArea.bottom() - place.height));
    return place;
}

Size FittedMinimum(Size least, const Rect& workArea)
{
    return {std::min(least.width, workArea.width), std::min(least.height, workArea.height)};
}

} // namespace triangle::placement
