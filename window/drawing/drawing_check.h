#pragma once

// The drawing's own check that a class can read its labels: every label inside the drawing,
// clear of every other label by a gap and of every stroke it does not name, its leader across
// no other stroke, arc or label, clear of the inscribed circle (and its leader across none)
// unless it names it, and beside what it names: an angle's label at its arc, a side's, a
// radius's or the height's along its stroke, a vertex's at its point; an entry of the legend
// names by its text. The circumscribed circle holds the whole triangle, so a label inside it,
// or a leader across it, is no fault.

#include "window/drawing/solution_drawing.h"

#include <string>
#include <vector>

namespace triangle::drawing {

// How far a label may stand from what it names, in the labels' text sizes: so close that the
// eye joins them, a leader at most about as long as a letter is tall.
inline constexpr double BesideFonts = 2.5;
// The least gap between two labels, in text sizes, so that each reads as a text of its own.
inline constexpr double LabelGapFonts = 0.3;
// A leader leaves the stroke it names where other strokes may meet it: a crossing nearer its
// start than this, in text sizes, is that meeting, not a crossing.
inline constexpr double LeaderStartFonts = 0.2;

// The faults found, each "'text' what is wrong;", or empty when there are none.
std::string CheckLabels(const DisplayList& list);

// Whether a leader from `from` to `to` for a label of `part` crosses a stroke or an arc of
// another part, the circumscribed circle aside.
bool LeaderCrossesStrokes(const DisplayList& list, Point from, Point to, Part part);

// The distance from a box to a point, to a segment and to an arc, in pixels; 0 inside.
double DistanceToBox(const Box& box, Point p);
double SegmentToBox(const Box& box, Point from, Point to);
double ArcToBox(const Box& box, const Arc& arc);
// To the nearest of a polyline's pieces (a single point where it has one).
double PolylineToBox(const Box& box, const std::vector<Point>& points);

} // namespace triangle::drawing
