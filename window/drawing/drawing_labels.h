#pragma once

#include "window/drawing/drawing_strokes.h"
#include "window/drawing/solution_drawing.h"

#include <string>
#include <vector>

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
    // What it names, as a polyline (one point for a vertex): the label stands within
    // BesideFonts text sizes of it.
    std::vector<Point> named{};
};

// Where a label went: beside what it names, away from it (joined by a leader), or, with no
// room anywhere, over its anchor.
enum class Placement { Beside, Away, Nowhere };

// Places the labels of a sketch where they overlap no stroke, dot or other label.
class LabelComposer {
public:
    LabelComposer(Sketch& sketch, double fontPixels, double unit, const MeasureText& measure)
        : m_sketch(sketch), m_font(fontPixels), m_unit(unit), m_measure(measure)
    {}

    // Places a label as near its anchor as it fits, first in the preferred direction, then
    // fanning out and moving away, never further from what it names than BesideFonts text
    // sizes; a label that ends up away from its anchor, or whose anchor lies on a stroke too
    // short to carry it, is joined to it by a leader line. Where there is no room so near,
    // the label stands further away if `away`, and is left out otherwise (Nowhere).
    Placement label(const LabelRequest& request, bool away);

private:
    // Places the label within `beside` pixels of what it names, if there is room.
    bool place(const LabelRequest& request, TextSize size, double beside);
    bool fits(const Box& box, Part part) const;
    bool leaderIsClear(Point from, Point to, Part part) const;

    Sketch& m_sketch;
    double m_font;
    double m_unit;
    const MeasureText& m_measure;
};

} // namespace triangle::drawing
