#pragma once

// The last resort of a crowded drawing (a small window at a large zoom): the values set as a
// list in a free stretch at the drawing's right or bottom, the drawing naming each element by
// its symbol alone, which finds room where "β = 53,130°" does not.

#include "window/drawing/solution_drawing.h"

#include <string>
#include <vector>

namespace triangle::drawing {

struct LegendEntry {
    std::string text; // "a = 7,000"
    Colour colour;
    Part part;
};

struct Legend {
    std::vector<Label> entries;
    Box rest; // what the list leaves for the triangle
};

// Lays the entries out in columns at the right or in rows at the bottom of a drawing of
// width × height pixels, whichever leaves the triangle the larger square.
Legend LayOutLegend(const std::vector<LegendEntry>& entries, double width, double height,
                    double fontPixels, const MeasureText& measure);

// The symbol a label's text begins with, "β" of "β = 53,130°" or of "β ≈ 53°8′".
std::string SymbolOf(const std::string& text);

} // namespace triangle::drawing
