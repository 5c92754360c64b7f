#pragma once

#include "window/drawing/drawing_strokes.h"
#include "window/drawing/solution_drawing.h"

#include <string>

namespace triangle::drawing {

// A label to place: its text, the point it names and the direction it would rather stand
// in; along is the direction of the stroke it names, if any, and strokeLength its length.
struct LabelRequest {
    std::string text;
    Point anchor;
    Point preferred;
    Colour colour;
    bool bold;
    Part part;
    Point along{};
    double strokeLength = 0.0;
    // A leg's label stands outside the triangle wherever there is room for it anywhere,
    // however far, rather than beside the leg on the inside.
    bool outside = false;
};

// Places the labels of a sketch where they overlap no stroke, dot or other label.
class LabelComposer {
public:
    LabelComposer(Sketch& sketch, double fontPixels, double unit, const MeasureText& measure)
        : m_sketch(sketch), m_font(fontPixels), m_unit(unit), m_measure(measure)
    {}

    // Places a label as near its anchor as it fits, first in the preferred direction, then
    // fanning out and moving away; a label that ends up away from its anchor, or whose
    // anchor lies on a stroke too short to carry it, is joined to it by a leader line.
    // Returns false when there was no room anywhere and the label stands over its anchor.
    bool label(const LabelRequest& request);

private:
    bool fits(const Box& box) const;
    bool leaderIsClear(Point from, Point to) const;

    Sketch& m_sketch;
    double m_font;
    double m_unit;
    const MeasureText& m_measure;
};

} // namespace triangle::drawing
