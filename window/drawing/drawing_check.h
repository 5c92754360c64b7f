#pragma once

// The drawing's own check that a class can read its labels: every label inside the drawing,
// clear of every other label, clear of the inscribed circle (and its leader across none)
// unless it names it, and beside what it names: an angle's label at its arc, a side's, a
// radius's or the height's along its stroke, a vertex's at its point. The circumscribed
// circle holds the whole triangle, so a label inside it is no fault.

#include "window/drawing/solution_drawing.h"

#include <string>
#include <vector>

namespace triangle::drawing {

// How far a label may stand from what it names, in the labels' text sizes: so close that the
// eye joins them, a leader at most as long as a letter is tall.
inline constexpr double BesideFonts = 3.0;

// The faults found, each "'text' what is wrong;", or empty when there are none.
std::string CheckLabels(const DisplayList& list);

// The distance from a box to a point, to a segment and to an arc, in pixels; 0 inside.
double DistanceToBox(const Box& box, Point p);
double SegmentToBox(const Box& box, Point from, Point to);
double ArcToBox(const Box& box, const Arc& arc);
// To the nearest of a polyline's pieces (a single point where it has one).
double PolylineToBox(const Box& box, const std::vector<Point>& points);

} // namespace triangle::drawing
