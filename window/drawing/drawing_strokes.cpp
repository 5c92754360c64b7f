#include "window/drawing/drawing_strokes.h"

#include "window/drawing/drawing_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace triangle::drawing {

void StrokeComposer::line(Point from, Point to, Colour colour, double width, Part part, bool dashed)
{
    m_sketch.list.lines.push_back({from, to, colour, width * m_unit, dashed, part, false, false});
    m_sketch.segments.push_back({from, to, width * m_unit / 2.0});
}

void StrokeComposer::dashDotLine(Point from, Point to, Colour colour, double width, Part part)
{
    m_sketch.list.lines.push_back({from, to, colour, width * m_unit, false, part, false, true});
    m_sketch.segments.push_back({from, to, width * m_unit / 2.0});
}

void StrokeComposer::arc(Point centre, double radius, double start, double sweep, Colour colour,
                         double width, Part part)
{
    m_sketch.list.arcs.push_back({centre, radius, start, sweep, colour, width * m_unit, part});
    // Short chords follow the curve to well within a stroke's width.
    const int pieces = std::clamp(
        static_cast<int>(std::abs(sweep) / 360.0 * 2.0 * std::numbers::pi * radius / 3.0), 4, 720);
    Point previous = centre + Direction(start) * radius;
    for (int i = 1; i <= pieces; ++i) {
        const Point next = centre + Direction(start + sweep * i / pieces) * radius;
        m_sketch.segments.push_back({previous, next, width * m_unit / 2.0});
        previous = next;
    }
}

void StrokeComposer::dot(Point centre, double radius, Colour colour, Part part)
{
    const double r = radius * m_unit;
    m_sketch.list.dots.push_back({centre, r, colour, part});
    m_sketch.dotBoxes.push_back({centre.x - r, centre.y - r, 2.0 * r, 2.0 * r});
}

} // namespace triangle::drawing
