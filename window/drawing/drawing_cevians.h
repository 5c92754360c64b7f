#pragma once

// The medians to the legs and the bisectors, each from its vertex to its foot on the
// opposite side, for the drawing of a solved triangle.

#include "window/drawing/drawing_labels.h"
#include "window/drawing/drawing_strokes.h"
#include "window/solution/solution_page.h"

#include <vector>

namespace triangle::drawing {

// A triangle's vertices in the drawing and its sides' lengths, a = BC, b = CA, c = AB.
struct Vertices {
    Point A;
    Point B;
    Point C;
    double a;
    double b;
    double c;
};

struct CevianStroke {
    Point from; // the vertex
    Point to;   // the foot
};

// m_a to the midpoint of BC, m_b to that of CA; a bisector's foot divides the opposite side
// as the sides beside its angle (CD : DB = b : c for l_a, CE : EA = a : c for l_b,
// AF : FB = b : a for l_c).
CevianStroke CevianEnds(Cevian cevian, const Vertices& v);

Part CevianPart(Cevian cevian);

// Draws each cevian and returns the requests for their labels, "m_a", "l_c".
std::vector<LabelRequest> DrawCevians(StrokeComposer& draw, const std::vector<Cevian>& cevians,
                                      const Vertices& v);

} // namespace triangle::drawing
