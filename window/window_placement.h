#pragma once

// Where a second window ("Решение", the window of any two elements) opens, one rule for both
// forms: beside "Решение" when that is visible, otherwise beside the main window, whole on the
// work area of the screen the main window is on, its title bar visible, never taller or wider
// than that work area. Rectangles are frames (title bar and borders included) in the screen's
// pixels.

#include <optional>

namespace triangle::placement {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// The space between the window opened and the one it opens beside.
inline constexpr int Gap = 8;

// `wanted` is the frame's size the window opens with where the screen allows; `solution` the
// frame of "Решение" while it is visible.
Rect OpenPlace(const Rect& main, const std::optional<Rect>& solution, Size wanted,
               const Rect& workArea);

// The least size a window keeps: `least` where the work area holds it, otherwise the work area,
// and what does not fit scrolls.
Size FittedMinimum(Size least, const Rect& workArea);

} // namespace triangle::placement
