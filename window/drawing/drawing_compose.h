#pragma once

// One composition of the drawing, at one size of the triangle, for the fitting that chooses
// among them.

#include "window/drawing/solution_drawing.h"

#include <cstddef>
#include <vector>

namespace triangle::drawing {

struct Legend;

struct Composed {
    DisplayList list;
    std::size_t homeless; // labels that found no room beside what they name
    bool overlaps;        // whether one found no room at all
    std::vector<Part> homelessParts{};
};

// The drawing with margins of `room` text sizes more than the least around the circle. With a
// legend, the triangle takes what the legend leaves, and the labels whose values it lists are
// their symbols alone.
Composed Compose(const TriangleDetails& details, double width, double height, double font,
                 double room, const NumberFormat& region, const MeasureText& measure,
                 bool projections, bool angleMinutes, const std::vector<Cevian>& cevians,
                 const ExactElements* exact, const Legend* legend);

} // namespace triangle::drawing
