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
// a median or a bisector.
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
    for (std::size_t i = 1; i < points.size(); ++i)
        nearest = std::min(nearest, SegmentToBox(box, points[i - 1], points[i]));
    return nearest;
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
        if (distanceFromNamed(list, label) > BesideFonts * list.fontPixels)
            fault(label, "away from what it names");
    }
    return faults;
}

} // namespace triangle::drawing
