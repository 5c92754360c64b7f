#include "window/drawing/drawing_labels.h"

#include "window/drawing/drawing_geometry.h"

#include <algorithm>
#include <cmath>
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

} // namespace

bool LabelComposer::label(const LabelRequest& request)
{
    const auto& [text, anchor, preferred, colour, bold, part, along, strokeLength, outside] =
        request;
    const TextSize size = m_measure(text, m_font, bold);
    const Point toward = UnitOf(preferred);
    const double gap = 0.3 * m_font;
    const double step = 0.5 * m_font;
    const double leaderFrom = gap + 2.0 * step;
    const double extentAlong = std::abs(along.x) * size.width + std::abs(along.y) * size.height;
    const bool mayStayNear = Length(along) == 0.0 || strokeLength >= extentAlong + m_font;
    const double farthest = std::hypot(m_sketch.list.width, m_sketch.list.height);

    const double nearest = mayStayNear ? gap : leaderFrom;
    for (int pass = outside ? 0 : 1; pass < 2; ++pass) {
        for (const Candidate& candidate : candidates()) {
            const double distance = nearest + candidate.steps * step;
            if (distance > farthest || (pass == 0 && std::abs(candidate.turn) >= 90.0))
                continue;
            const bool leader = distance >= leaderFrom - 1e-9;
            const Point way = Rotated(toward, candidate.turn);
            const double reach =
                std::abs(way.x) * size.width / 2.0 + std::abs(way.y) * size.height / 2.0;
            const Point centre = anchor + way * (distance + reach);
            const Box box{centre.x - size.width / 2.0, centre.y - size.height / 2.0, size.width,
                          size.height};
            if (!fits(box))
                continue;
            const Point end = NearestOnBox(anchor, box);
            if (leader && !leaderIsClear(anchor, end))
                continue;
            if (leader) {
                m_sketch.list.lines.push_back(
                    {anchor, end, LeaderInk, 1.0 * m_unit, false, part, true});
                m_sketch.segments.push_back({anchor, end, 0.5 * m_unit});
            }
            m_sketch.list.labels.push_back({text, anchor, box, colour, bold, part});
            m_sketch.labelBoxes.push_back(box);
            return true;
        }
    }
    // No room anywhere (a target too small for its text): the label at its anchor.
    m_sketch.list.labels.push_back(
        {text,
         anchor,
         {anchor.x - size.width / 2.0, anchor.y - size.height / 2.0, size.width, size.height},
         colour,
         bold,
         part});
    return false;
}

bool LabelComposer::fits(const Box& box) const
{
    const double margin = 0.15 * m_font;
    if (box.left < margin || box.top < margin || box.right() > m_sketch.list.width - margin ||
        box.bottom() > m_sketch.list.height - margin)
        return false;
    const Box clear = Grown(box, margin);
    for (const Box& taken : m_sketch.dotBoxes)
        if (Overlap(clear, taken))
            return false;
    for (const Box& taken : m_sketch.labelBoxes)
        if (Overlap(clear, taken))
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

bool LabelComposer::leaderIsClear(Point from, Point to) const
{
    for (const Box& taken : m_sketch.labelBoxes)
        if (Crosses(from, to, Grown(taken, 0.1 * m_font)))
            return false;
    return true;
}

} // namespace triangle::drawing
