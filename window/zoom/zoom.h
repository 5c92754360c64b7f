#pragma once

// The zoom of a second window ("Решение", the window of any two elements), for a projector:
// the steps' font and the drawing's labels and line widths grow by its factor. The steps go
// 50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300 per cent, as a browser's do; a zoom
// lives as long as its window, for this run only (the program keeps no settings file).

#include <span>

namespace triangle {

class Zoom {
public:
    // The steps in per cent, smallest first; 100 is the normal size.
    static std::span<const int> Steps();

    int percent() const;
    // The factor sizes are multiplied by: 0.5 to 3.
    double factor() const { return percent() / 100.0; }

    // One step larger or smaller, staying at the last step; true if the zoom changed.
    bool in();
    bool out();
    // Back to 100 %; true if the zoom changed.
    bool reset();
    // A wheel turned by delta (120 a notch, as Windows and Qt count it, positive away from
    // the user): a step in or out for each whole notch, partial notches kept for the next.
    bool wheel(int delta);

private:
    int m_step = 4; // the index of 100 in Steps()
    int m_wheelRest = 0;
};

} // namespace triangle
