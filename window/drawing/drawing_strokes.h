#pragma once

#include "window/drawing/solution_drawing.h"

#include <vector>

namespace triangle::drawing {

struct Segment {
    Point from;
    Point to;
    double halfWidth;
};

// A drawing being composed: its display list and what a new label must keep clear of, every
// stroke, every dot and every label already placed. A copy is a draft to try labels on.
// A circle whose inside only the labels of its own part may enter, nor their leaders cross.
struct Disc {
    Point centre;
    double radius;
    Part part;
};

struct Sketch {
    DisplayList list;
    std::vector<Segment> segments;
    std::vector<Box> dotBoxes;
    std::vector<Box> labelBoxes;
    std::vector<Disc> discs;
};

// Places the strokes and dots of a sketch; widths and dot radii are given for 14-pixel text
// and grow by `unit`.
class StrokeComposer {
public:
    StrokeComposer(Sketch& sketch, double unit) : m_sketch(sketch), m_unit(unit) {}

    void line(Point from, Point to, Colour colour, double width, Part part, bool dashed = false);
    // A median's or a bisector's stroke, of dashes and dots.
    void dashDotLine(Point from, Point to, Colour colour, double width, Part part);
    // Angles as in Arc: degrees counter-clockwise as seen.
    void arc(Point centre, double radius, double start, double sweep, Colour colour, double width,
             Part part);
    void dot(Point centre, double radius, Colour colour, Part part);

private:
    Sketch& m_sketch;
    double m_unit;
};

} // namespace triangle::drawing
