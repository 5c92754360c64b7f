#include "window/drawing/drawing_check.h"

#include "window/drawing/drawing_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace triangle::drawing {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

bool isCircle(const Arc& arc)
{
    return std::abs(arc.sweepDegrees) >= 360.0;
}

// The stroke a label names, where it names one: a side, the height, a radius, a projection,
// the tick at the height's foot, a median or a bisector.
bool namesStroke(Part part)
{
    switch (part) {
    case Part::SideA:
    case Part::SideB:
    case Part::SideC:
    case Part::Height:
    case Part::Inscribed:
    case Part::Circumscribed:
    case Part::ProjectionA:
    case Part::ProjectionB:
    case Part::Foot:
    case Part::MedianA:
    case Part::MedianB:
    case Part::BisectorA:
    case Part::BisectorB:
    case Part::BisectorC:
        return true;
    default:
        return false;
    }
}

// How far the label stands from what it names, in pixels: from the strokes of its part (an
// angle's arc, a side, the height, a circle or its radius), or from its anchor where it
// names a point.
double distanceFromNamed(const DisplayList& list, const Label& label)
{
    double nearest = Infinity;
    for (const Arc& arc : list.arcs)
        if (arc.part == label.part)
            nearest = std::min(nearest, ArcToBox(label.box, arc));
    if (namesStroke(label.part))
        for (const Line& line : list.lines)
            if (line.part == label.part && !line.leader)
                nearest = std::min(nearest, SegmentToBox(label.box, line.from, line.to));
    return nearest < Infinity ? nearest : DistanceToBox(label.box, label.anchor);
}

double squaredToBox(const Box& box, Point p)
{
    const double dx = std::max({box.left - p.x, 0.0, p.x - box.right()});
    const double dy = std::max({box.top - p.y, 0.0, p.y - box.bottom()});
    return dx * dx + dy * dy;
}

bool circleOverBox(const Arc& circle, const Box& box)
{
    return DistanceToBox(box, circle.centre) < circle.radius;
}

bool leaderThroughCircle(const Line& leader, const Arc& circle)
{
    const Point d = leader.to - leader.from;
    const double length2 = d.x * d.x + d.y * d.y;
    double t = 0.0;
    if (length2 > 0.0)
        t = std::clamp(
            ((circle.centre.x - leader.from.x) * d.x + (circle.centre.y - leader.from.y) * d.y) /
                length2,
            0.0, 1.0);
    return Length(leader.from + d * t - circle.centre) < circle.radius;
}

double boxToBox(const Box& p, const Box& q)
{
    const double dx = std::max({q.left - p.right(), 0.0, p.left - q.right()});
    const double dy = std::max({q.top - p.bottom(), 0.0, p.top - q.bottom()});
    return std::hypot(dx, dy);
}

// Where the segment from p to q meets the segment from s to t, as the share of the way from
// p to q; infinity where they do not meet (or run along each other).
double meets(Point p, Point q, Point s, Point t)
{
    const Point d = q - p;
    const Point e = t - s;
    const double cross = d.x * e.y - d.y * e.x;
    if (cross == 0.0)
        return Infinity;
    const Point w = s - p;
    const double along = (w.x * e.y - w.y * e.x) / cross;
    const double across = (w.x * d.y - w.y * d.x) / cross;
    return along >= 0.0 && along <= 1.0 && across >= 0.0 && across <= 1.0 ? along : Infinity;
}

// Whether a leader crosses the stroke from s to t further from its start than `start`
// pixels: where it leaves the stroke it names, other strokes may meet that one.
bool leaderCrosses(Point from, Point to, Point s, Point t, double start)
{
    const double at = meets(from, to, s, t);
    return at < Infinity && at * Length(to - from) > start;
}

bool leaderCrossesArc(Point from, Point to, const Arc& arc, double start)
{
    // Chords of 5° stray from a circle by a thousandth of its radius.
    const int pieces = 8 + static_cast<int>(std::abs(arc.sweepDegrees) / 5.0);
    Point previous = arc.centre + Direction(arc.startDegrees) * arc.radius;
    for (int i = 1; i <= pieces; ++i) {
        const Point next =
            arc.centre + Direction(arc.startDegrees + arc.sweepDegrees * i / pieces) * arc.radius;
        if (leaderCrosses(from, to, previous, next, start))
            return true;
        previous = next;
    }
    return false;
}

// The faults of a label's leader: across a stroke or an arc of another part, or a label.
void checkLeader(const DisplayList& list, const Label& label, const Line& leader,
                 std::string& faults)
{
    if (LeaderCrossesStrokes(list, leader.from, leader.to, label.part))
        faults += "'" + label.text + "' led across a stroke it does not name;";
    for (const Label& other : list.labels)
        if (&other != &label && Crosses(leader.from, leader.to, other.box))
            faults += "'" + label.text + "' led across '" + other.text + "';";
}

// Whether a label covers a stroke or an arc of another part.
bool overStroke(const DisplayList& list, const Label& label)
{
    for (const Line& line : list.lines)
        if (!line.leader && line.part != label.part &&
            SegmentToBox(label.box, line.from, line.to) < line.width / 2.0)
            return true;
    for (const Arc& arc : list.arcs)
        if (arc.part != label.part && ArcToBox(label.box, arc) < arc.width / 2.0)
            return true;
    return false;
}

} // namespace

double DistanceToBox(const Box& box, Point p)
{
    return std::sqrt(squaredToBox(box, p));
}

double SegmentToBox(const Box& box, Point from, Point to)
{
    if (Crosses(from, to, box))
        return 0.0;
    // Apart, the nearest pair has an end of the segment or a corner of the box in it.
    const Point d = to - from;
    const double length2 = d.x * d.x + d.y * d.y;
    const auto toSegment = [&](Point p) {
        const double t =
            length2 > 0.0
                ? std::clamp(((p.x - from.x) * d.x + (p.y - from.y) * d.y) / length2, 0.0, 1.0)
                : 0.0;
        const Point q = from + d * t - p;
        return q.x * q.x + q.y * q.y;
    };
    return std::sqrt(
        std::min({squaredToBox(box, from), squaredToBox(box, to), toSegment({box.left, box.top}),
                  toSegment({box.right(), box.top}), toSegment({box.left, box.bottom()}),
                  toSegment({box.right(), box.bottom()})}));
}

double ArcToBox(const Box& box, const Arc& arc)
{
    const int samples = 8 + static_cast<int>(arc.radius * std::abs(arc.sweepDegrees) / 30.0);
    double nearest = Infinity;
    for (int i = 0; i <= samples; ++i)
        nearest = std::min(
            nearest, DistanceToBox(box, arc.centre + Direction(arc.startDegrees +
                                                               arc.sweepDegrees * i / samples) *
                                                         arc.radius));
    return nearest;
}

double PolylineToBox(const Box& box, const std::vector<Point>& points)
{
    if (points.size() == 1)
        return DistanceToBox(box, points.front());
    double nearest = Infinity;
    for (std::size_t i = 1; i < points.size(); ++i) {
        // A piece whose bounds lie no nearer than the nearest so far cannot be nearer: the
        // many short pieces of a circle are mostly passed over so.
        const Point p = points[i - 1];
        const Point q = points[i];
        const double dx =
            std::max({std::min(p.x, q.x) - box.right(), 0.0, box.left - std::max(p.x, q.x)});
        const double dy =
            std::max({std::min(p.y, q.y) - box.bottom(), 0.0, box.top - std::max(p.y, q.y)});
        if (dx * dx + dy * dy >= nearest * nearest)
            continue;
        nearest = std::min(nearest, SegmentToBox(box, p, q));
    }
    return nearest;
}

bool LeaderCrossesStrokes(const DisplayList& list, Point from, Point to, Part part)
{
    const double start = LeaderStartFonts * list.fontPixels;
    for (const Line& line : list.lines)
        if (!line.leader && line.part != part && leaderCrosses(from, to, line.from, line.to, start))
            return true;
    // The circumscribed circle runs through the vertices: a label outside the triangle may
    // stand outside it too.
    for (const Arc& arc : list.arcs)
        if (arc.part != part && arc.part != Part::Circumscribed &&
            leaderCrossesArc(from, to, arc, start))
            return true;
    return false;
}

std::string CheckLabels(const DisplayList& list)
{
    std::string faults;
    const auto fault = [&faults](const Label& label, const char* what) {
        faults += "'" + label.text + "' " + what + ";";
    };
    for (std::size_t i = 0; i < list.labels.size(); ++i) {
        const Label& label = list.labels[i];
        const Box& box = label.box;
        if (box.left < 0.0 || box.top < 0.0 || box.right() > list.width ||
            box.bottom() > list.height)
            fault(label, "outside the drawing");
        for (std::size_t j = i + 1; j < list.labels.size(); ++j)
            if (Overlap(box, list.labels[j].box))
                faults += "'" + label.text + "' over '" + list.labels[j].text + "';";
            else if (boxToBox(box, list.labels[j].box) < LabelGapFonts * list.fontPixels)
                faults += "'" + label.text + "' crowds '" + list.labels[j].text + "';";
        if (overStroke(list, label))
            fault(label, "over a stroke it does not name");
        // The legend's entries have no leaders; their parts' are their symbols'.
        for (const Line& line : list.lines)
            if (line.leader && line.part == label.part && !label.legend)
                checkLeader(list, label, line, faults);
        for (const Arc& circle : list.arcs) {
            if (!isCircle(circle) || circle.part == Part::Circumscribed ||
                circle.part == label.part)
                continue;
            if (circleOverBox(circle, box))
                fault(label, "inside a circle it does not name");
            for (const Line& line : list.lines)
                if (line.leader && line.part == label.part && leaderThroughCircle(line, circle))
                    fault(label, "led across a circle it does not name");
        }
        if (!label.legend && distanceFromNamed(list, label) > BesideFonts * list.fontPixels)
            fault(label, "away from what it names");
    }
    return faults;
}

} // namespace triangle::drawing
