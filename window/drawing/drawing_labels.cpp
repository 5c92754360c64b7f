#include "window/drawing/drawing_labels.h"

#include "window/drawing/drawing_check.h"
#include "window/drawing/drawing_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace triangle::drawing {

namespace {

constexpr Colour LeaderInk{90, 90, 90};

struct Candidate {
    int steps;   // half font sizes further out than the nearest place
    double turn; // degrees from the preferred direction
};

// Where to try a label, nearest first: a turn of 7.5° from the preferred direction weighs as
// much as 0.3 of a step further out, and needing a leader (two steps out and beyond) as much
// as three steps.
const std::vector<Candidate>& candidates()
{
    static const std::vector<Candidate> order = [] {
        std::vector<Candidate> all;
        for (int steps = 0; steps < 400; ++steps)
            for (int turn = -23; turn <= 24; ++turn)
                all.push_back({steps, 7.5 * turn});
        const auto cost = [](const Candidate& p) {
            return p.steps + (p.steps >= 2 ? 3.0 : 0.0) + 0.3 * std::abs(p.turn / 7.5);
        };
        std::stable_sort(all.begin(), all.end(), [&cost](const Candidate& p, const Candidate& q) {
            return cost(p) < cost(q);
        });
        return all;
    }();
    return order;
}

Point NearestOnPolyline(const std::vector<Point>& points, Point p)
{
    Point nearest = points.front();
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point d = points[i] - points[i - 1];
        const double length2 = d.x * d.x + d.y * d.y;
        const double t =
            length2 > 0.0
                ? std::clamp(((p.x - points[i - 1].x) * d.x + (p.y - points[i - 1].y) * d.y) /
                                 length2,
                             0.0, 1.0)
                : 0.0;
        const Point q = points[i - 1] + d * t;
        if (Length(q - p) < Length(nearest - p))
            nearest = q;
    }
    return nearest;
}

} // namespace

Placement LabelComposer::label(const LabelRequest& request, bool away)
{
    const TextSize size = m_measure(request.text, m_font, request.bold);
    if (place(request, size, BesideFonts * m_font))
        return Placement::Beside;
    if (!away)
        return Placement::Nowhere;
    if (place(request, size, std::numeric_limits<double>::infinity()))
        return Placement::Away;
    // No room anywhere (a target too small for its text): over its anchor.
    const Point anchor = request.anchor;
    m_sketch.list.labels.push_back(
        {request.text,
         anchor,
         {anchor.x - size.width / 2.0, anchor.y - size.height / 2.0, size.width, size.height},
         request.colour,
         request.bold,
         request.part});
    return Placement::Nowhere;
}

bool LabelComposer::place(const LabelRequest& request, TextSize size, double beside)
{
    const auto& [text, anchor, preferred, colour, bold, part, along, strokeLength, outside, named] =
        request;
    const Point toward = UnitOf(preferred);
    const double gap = 0.3 * m_font;
    const double step = 0.5 * m_font;
    const double leaderFrom = gap + 2.0 * step;
    const double extentAlong = std::abs(along.x) * size.width + std::abs(along.y) * size.height;
    const bool mayStayNear = Length(along) == 0.0 || strokeLength >= extentAlong + m_font;
    // No candidate box further out than this can come within `beside` of what it names.
    double extent = 0.0;
    Box bounds{anchor.x, anchor.y, 0.0, 0.0};
    for (const Point p : named) {
        extent = std::max(extent, Length(p - anchor));
        const double right = std::max(bounds.right(), p.x);
        const double bottom = std::max(bounds.bottom(), p.y);
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.width = right - bounds.left;
        bounds.height = bottom - bounds.top;
    }
    const double farthest = std::min(std::hypot(m_sketch.list.width, m_sketch.list.height),
                                     extent + beside + std::hypot(size.width, size.height));

    const double nearest = mayStayNear ? gap : leaderFrom;
    for (int pass = outside ? 0 : 1; pass < 2; ++pass) {
        for (const Candidate& candidate : candidates()) {
            const double distance = nearest + candidate.steps * step;
            if (distance > farthest || (pass == 0 && std::abs(candidate.turn) >= 90.0))
                continue;
            const Point way = Rotated(toward, candidate.turn);
            const double reach =
                std::abs(way.x) * size.width / 2.0 + std::abs(way.y) * size.height / 2.0;
            const Point centre = anchor + way * (distance + reach);
            const Box box{centre.x - size.width / 2.0, centre.y - size.height / 2.0, size.width,
                          size.height};
            // What it names lies in `bounds`: a box further from those misses it by more.
            if (!named.empty() && std::isfinite(beside) && !Overlap(Grown(bounds, beside), box))
                continue;
            const double off = named.empty() ? distance : PolylineToBox(box, named);
            if (off > beside || !fits(box, part))
                continue;
            // The leader starts at the named stroke's point nearest the label, which may lie
            // away from the stroke's middle.
            const bool leader = !mayStayNear || off >= leaderFrom - 1e-9;
            const Point start = named.size() > 1 ? NearestOnPolyline(named, box.centre()) : anchor;
            const Point end = NearestOnBox(start, box);
            if (leader && !leaderIsClear(start, end, part))
                continue;
            if (leader) {
                m_sketch.list.lines.push_back(
                    {start, end, LeaderInk, 1.0 * m_unit, false, part, true, false});
                m_sketch.segments.push_back({start, end, 0.5 * m_unit});
            }
            m_sketch.list.labels.push_back({text, anchor, box, colour, bold, part});
            m_sketch.labelBoxes.push_back(box);
            return true;
        }
    }
    return false;
}

bool LabelComposer::fits(const Box& box, Part part) const
{
    const double margin = 0.15 * m_font;
    if (box.left < margin || box.top < margin || box.right() > m_sketch.list.width - margin ||
        box.bottom() > m_sketch.list.height - margin)
        return false;
    const Box clear = Grown(box, margin);
    for (const Disc& disc : m_sketch.discs)
        if (disc.part != part && DistanceToBox(clear, disc.centre) < disc.radius)
            return false;
    for (const Box& taken : m_sketch.dotBoxes)
        if (Overlap(clear, taken))
            return false;
    // A little more than the check's gap, so that rounding never brings two labels closer.
    const Box apart = Grown(box, (LabelGapFonts + 0.05) * m_font);
    for (const Box& taken : m_sketch.labelBoxes)
        if (Overlap(apart, taken))
            return false;
    for (const Segment& s : m_sketch.segments) {
        const Box near = Grown(clear, s.halfWidth);
        if (std::max(s.from.x, s.to.x) < near.left || std::min(s.from.x, s.to.x) > near.right() ||
            std::max(s.from.y, s.to.y) < near.top || std::min(s.from.y, s.to.y) > near.bottom())
            continue;
        if (Crosses(s.from, s.to, near))
            return false;
    }
    return true;
}

bool LabelComposer::leaderIsClear(Point from, Point to, Part part) const
{
    for (const Disc& disc : m_sketch.discs)
        if (disc.part != part &&
            SegmentToBox({disc.centre.x, disc.centre.y, 0.0, 0.0}, from, to) < disc.radius)
            return false;
    for (const Box& taken : m_sketch.labelBoxes)
        if (Crosses(from, to, Grown(taken, 0.1 * m_font)))
            return false;
    return !LeaderCrossesStrokes(m_sketch.list, from, to, part);
}

} // namespace triangle::drawing
