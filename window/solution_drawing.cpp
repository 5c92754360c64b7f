#include "window/solution_drawing.h"

#include "solver/triangle_details.h"
#include "window/ui_texts.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <numeric>
#include <utility>

namespace triangle::drawing {

namespace {

// Dark, saturated inks on white keep their contrast when a projector washes colours out;
// the circles are thin but not pale.
constexpr Colour SideInk{0, 0, 0};
constexpr Colour HeightInk{198, 40, 40};
constexpr Colour AngleInk{106, 27, 154};
constexpr Colour InscribedInk{27, 110, 32};
constexpr Colour CircumscribedInk{13, 71, 161};
constexpr Colour LeaderInk{90, 90, 90};

constexpr double degreesPerRadian = 180.0 / std::numbers::pi;

Point operator+(Point p, Point q)
{
    return {p.x + q.x, p.y + q.y};
}
Point operator-(Point p, Point q)
{
    return {p.x - q.x, p.y - q.y};
}
Point operator*(Point p, double k)
{
    return {p.x * k, p.y * k};
}
double length(Point p)
{
    return std::hypot(p.x, p.y);
}
Point unitOf(Point p)
{
    const double l = length(p);
    return l > 0.0 ? p * (1.0 / l) : Point{1.0, 0.0};
}
Point rotated(Point p, double degrees)
{
    const double t = degrees / degreesPerRadian;
    return {p.x * std::cos(t) - p.y * std::sin(t), p.x * std::sin(t) + p.y * std::cos(t)};
}
// The direction of a screen angle counted counter-clockwise as seen, y pointing down.
Point direction(double degrees)
{
    const double t = degrees / degreesPerRadian;
    return {std::cos(t), -std::sin(t)};
}
Box grown(const Box& box, double margin)
{
    return {box.left - margin, box.top - margin, box.width + 2.0 * margin,
            box.height + 2.0 * margin};
}
bool overlap(const Box& p, const Box& q)
{
    return p.left < q.right() && q.left < p.right() && p.top < q.bottom() && q.top < p.bottom();
}

// Whether the segment from p to q passes through the box (Liang–Barsky clipping).
bool crosses(Point p, Point q, const Box& box)
{
    double enter = 0.0;
    double leave = 1.0;
    const double d[2] = {q.x - p.x, q.y - p.y};
    const double lo[2] = {box.left - p.x, box.top - p.y};
    const double hi[2] = {box.right() - p.x, box.bottom() - p.y};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0.0) {
            if (lo[axis] > 0.0 || hi[axis] < 0.0)
                return false;
            continue;
        }
        double t0 = lo[axis] / d[axis];
        double t1 = hi[axis] / d[axis];
        if (t0 > t1)
            std::swap(t0, t1);
        enter = std::max(enter, t0);
        leave = std::min(leave, t1);
        if (enter > leave)
            return false;
    }
    return true;
}

Point nearestOnBox(Point p, const Box& box)
{
    return {std::clamp(p.x, box.left, box.right()), std::clamp(p.y, box.top, box.bottom())};
}

std::string replaced(std::string text, std::string_view key, const std::string& value)
{
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at))
        text.replace(at, key.size(), value), at += value.size();
    return text;
}

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

struct Segment {
    Point from;
    Point to;
    double halfWidth;
};

// Builds the display list and keeps what a new label must keep clear of: every stroke,
// every dot and every label already placed.
class Composer {
public:
    Composer(DisplayList list, double fontPixels, double unit, const MeasureText& measure)
        : m_list(std::move(list)), m_font(fontPixels), m_unit(unit), m_measure(measure)
    {}

    void line(Point from, Point to, Colour colour, double width, Part part, bool dashed = false)
    {
        m_list.lines.push_back({from, to, colour, width * m_unit, dashed, part, false});
        m_segments.push_back({from, to, width * m_unit / 2.0});
    }

    void arc(Point centre, double radius, double start, double sweep, Colour colour, double width,
             Part part)
    {
        m_list.arcs.push_back({centre, radius, start, sweep, colour, width * m_unit, part});
        // Short chords follow the curve to well within a stroke's width.
        const int pieces = std::clamp(
            static_cast<int>(std::abs(sweep) / 360.0 * 2.0 * std::numbers::pi * radius / 3.0), 4,
            720);
        Point previous = centre + direction(start) * radius;
        for (int i = 1; i <= pieces; ++i) {
            const Point next = centre + direction(start + sweep * i / pieces) * radius;
            m_segments.push_back({previous, next, width * m_unit / 2.0});
            previous = next;
        }
    }

    void dot(Point centre, double radius, Colour colour, Part part)
    {
        m_list.dots.push_back({centre, radius * m_unit, colour, part});
        const double r = radius * m_unit;
        m_dotBoxes.push_back({centre.x - r, centre.y - r, 2.0 * r, 2.0 * r});
    }

    // Places a label as near its anchor as it fits, first in the preferred direction, then
    // fanning out and moving away; a label that ends up away from its anchor, or whose
    // anchor lies on a stroke too short to carry it, is joined to it by a leader line.
    // along is the direction of the stroke the label names, if any.
    // Returns false when there was no room anywhere and the label stands over its anchor.
    bool label(const LabelRequest& request)
    {
        const auto& [text, anchor, preferred, colour, bold, part, along, strokeLength, outside] =
            request;
        const TextSize size = m_measure(text, m_font, bold);
        const Point toward = unitOf(preferred);
        const double gap = 0.3 * m_font;
        const double step = 0.5 * m_font;
        const double leaderFrom = gap + 2.0 * step;
        const double extentAlong = std::abs(along.x) * size.width + std::abs(along.y) * size.height;
        const bool mayStayNear = length(along) == 0.0 || strokeLength >= extentAlong + m_font;
        const double farthest = std::hypot(m_list.width, m_list.height);

        const double nearest = mayStayNear ? gap : leaderFrom;
        for (int pass = outside ? 0 : 1; pass < 2; ++pass) {
            for (const Candidate& candidate : candidates()) {
                const double distance = nearest + candidate.steps * step;
                if (distance > farthest || (pass == 0 && std::abs(candidate.turn) >= 90.0))
                    continue;
                const bool leader = distance >= leaderFrom - 1e-9;
                const Point way = rotated(toward, candidate.turn);
                const double reach =
                    std::abs(way.x) * size.width / 2.0 + std::abs(way.y) * size.height / 2.0;
                const Point centre = anchor + way * (distance + reach);
                const Box box{centre.x - size.width / 2.0, centre.y - size.height / 2.0, size.width,
                              size.height};
                if (!fits(box))
                    continue;
                const Point end = nearestOnBox(anchor, box);
                if (leader && !leaderIsClear(anchor, end))
                    continue;
                if (leader) {
                    m_list.lines.push_back(
                        {anchor, end, LeaderInk, 1.0 * m_unit, false, part, true});
                    m_segments.push_back({anchor, end, 0.5 * m_unit});
                }
                m_list.labels.push_back({text, anchor, box, colour, bold, part});
                m_labelBoxes.push_back(box);
                return true;
            }
        }
        // No room anywhere (a target too small for its text): the label at its anchor.
        m_list.labels.push_back(
            {text,
             anchor,
             {anchor.x - size.width / 2.0, anchor.y - size.height / 2.0, size.width, size.height},
             colour,
             bold,
             part});
        return false;
    }

    DisplayList take() { return std::move(m_list); }

private:
    struct Candidate {
        int steps;   // half font sizes further out than the nearest place
        double turn; // degrees from the preferred direction
    };

    // Where to try a label, nearest first: a turn of 7.5° from the preferred direction
    // weighs as much as 0.3 of a step further out, and needing a leader (two steps out and
    // beyond) as much as three steps.
    static const std::vector<Candidate>& candidates()
    {
        static const std::vector<Candidate> order = [] {
            std::vector<Candidate> all;
            for (int steps = 0; steps < 400; ++steps)
                for (int turn = -23; turn <= 24; ++turn)
                    all.push_back({steps, 7.5 * turn});
            const auto cost = [](const Candidate& p) {
                return p.steps + (p.steps >= 2 ? 3.0 : 0.0) + 0.3 * std::abs(p.turn / 7.5);
            };
            std::stable_sort(
                all.begin(), all.end(),
                [&cost](const Candidate& p, const Candidate& q) { return cost(p) < cost(q); });
            return all;
        }();
        return order;
    }

    bool fits(const Box& box) const
    {
        const double margin = 0.15 * m_font;
        if (box.left < margin || box.top < margin || box.right() > m_list.width - margin ||
            box.bottom() > m_list.height - margin)
            return false;
        const Box clear = grown(box, margin);
        for (const Box& taken : m_dotBoxes)
            if (overlap(clear, taken))
                return false;
        for (const Box& taken : m_labelBoxes)
            if (overlap(clear, taken))
                return false;
        for (const Segment& s : m_segments) {
            const Box near = grown(clear, s.halfWidth);
            if (std::max(s.from.x, s.to.x) < near.left ||
                std::min(s.from.x, s.to.x) > near.right() ||
                std::max(s.from.y, s.to.y) < near.top || std::min(s.from.y, s.to.y) > near.bottom())
                continue;
            if (crosses(s.from, s.to, near))
                return false;
        }
        return true;
    }

    bool leaderIsClear(Point from, Point to) const
    {
        for (const Box& taken : m_labelBoxes)
            if (crosses(from, to, grown(taken, 0.1 * m_font)))
                return false;
        return true;
    }

    DisplayList m_list;
    double m_font;
    double m_unit;
    const MeasureText& m_measure;
    std::vector<Segment> m_segments;
    std::vector<Box> m_dotBoxes;
    std::vector<Box> m_labelBoxes;
};

std::string value(double number, const NumberFormat& region)
{
    return FormatFieldNumber(number, region);
}

std::string named(const char* name, double number, const NumberFormat& region,
                  const char* unit = "")
{
    return std::string(name) + " = " + value(number, region) + unit;
}

} // namespace

TextSize EstimateText(std::string_view text, double pixelSize, bool bold)
{
    std::size_t characters = 0;
    for (unsigned char byte : text)
        if ((byte & 0xC0) != 0x80)
            ++characters;
    return {static_cast<double>(characters) * pixelSize * (bold ? 0.68 : 0.62), pixelSize * 1.25};
}

DisplayList DrawSolution(const TriangleDetails& details, double width, double height, double scale,
                         const NumberFormat& region, const MeasureText& measure)
{
    DisplayList list;
    list.width = width;
    list.height = height;
    // Text grows with the target, so that the drawing reads from the back of a classroom,
    // but never below a comfortable size on the screen.
    const double font = std::max(14.0 * scale, std::min(width, height) / 32.0);
    const double unit = font / 14.0; // stroke widths are given for 14-pixel text
    list.fontPixels = font;

    const double a = details.a;
    const double b = details.b;
    const double c = details.c;
    // The circumscribed circle, whose diameter is the hypotenuse, holds the whole triangle;
    // the margins keep room for the labels around it.
    const double marginX = 2.5 * font;
    const double marginY = 2.0 * font;
    const double k =
        std::max(0.0, std::min((width - 2.0 * marginX) / c, (height - 2.0 * marginY) / c));
    const Point O{width / 2.0, height / 2.0};
    const Point A{O.x - k * c / 2.0, O.y};
    const Point B{O.x + k * c / 2.0, O.y};
    // C lies over the foot H of the height, b²/c from A, at the height ab/c.
    const Point H{A.x + k * (b * b / c), O.y};
    const Point C{H.x, O.y - k * (a * b / c)};
    // The inscribed circle's centre, r above AB and (b + c − a)/2 along it from A.
    const double r = details.r;
    const Point I{A.x + k * ((b + c - a) / 2.0), O.y - k * r};

    Composer draw(list, font, unit, measure);

    draw.arc(O, k * c / 2.0, 0.0, 360.0, CircumscribedInk, 2.0, Part::Circumscribed);
    // The radius R points down and to the right, leaving the middle below the hypotenuse
    // free for its label.
    const Point bottom = O + direction(-60.0) * (k * c / 2.0);
    draw.line(O, bottom, CircumscribedInk, 2.0, Part::Circumscribed);
    draw.dot(O, 2.5, CircumscribedInk, Part::Circumscribed);

    // The radius r goes to the point where the circle touches a leg, on the side away from
    // the height, which lies on the other side of I (or through it, when isosceles).
    draw.arc(I, k * r, 0.0, 360.0, InscribedInk, 2.0, Part::Inscribed);
    const Point touch = I.x <= H.x ? A + unitOf(C - A) * (k * (b + c - a) / 2.0)
                                   : B + unitOf(C - B) * (k * (a + c - b) / 2.0);
    draw.line(I, touch, InscribedInk, 2.0, Part::Inscribed);
    draw.dot(I, 2.0, InscribedInk, Part::Inscribed);

    draw.line(C, H, HeightInk, 2.0, Part::Height, true);

    const double legA = k * a;
    const double legB = k * b;
    const double mark = std::min(0.8 * font, 0.35 * std::min(legA, legB));
    const Point toA = unitOf(A - C);
    const Point toB = unitOf(B - C);
    draw.line(C + toA * mark, C + toA * mark + toB * mark, SideInk, 1.5, Part::RightAngle);
    draw.line(C + toB * mark, C + toA * mark + toB * mark, SideInk, 1.5, Part::RightAngle);

    const double alpha = details.alpha;
    const double beta = details.beta;
    const double arcAtA = std::max(0.9 * font, std::min(2.2 * font, 0.45 * legB));
    const double arcAtB = std::max(0.9 * font, std::min(2.2 * font, 0.45 * legA));
    draw.arc(A, arcAtA, 0.0, alpha, AngleInk, 2.0, Part::AngleAlpha);
    draw.arc(B, arcAtB, 180.0 - beta, beta, AngleInk, 2.0, Part::AngleBeta);

    draw.line(A, B, SideInk, 3.0, Part::SideC);
    draw.line(C, A, SideInk, 3.0, Part::SideB);
    draw.line(B, C, SideInk, 3.0, Part::SideA);
    draw.dot(A, 3.5, SideInk, Part::VertexA);
    draw.dot(B, 3.5, SideInk, Part::VertexB);
    draw.dot(C, 3.5, SideInk, Part::VertexC);

    const Point alongC = unitOf(B - A);
    const Point alongB = unitOf(A - C);
    const Point alongA = unitOf(C - B);
    const Point alongR = unitOf(touch - I);
    const Point awayFromI{H.x < I.x ? -1.0 : 1.0, 0.0};
    // The legs' labels stand outward, their normals turned away from the triangle's inside.
    const LabelRequest labels[] = {
        {"A", A, {-1.0, 0.2}, SideInk, true, Part::VertexA},
        {"B", B, {1.0, 0.2}, SideInk, true, Part::VertexB},
        {"C", C, C - I, SideInk, true, Part::VertexC},
        {named("c", c, region),
         (A + B) * 0.5,
         {0.0, 1.0},
         SideInk,
         false,
         Part::SideC,
         alongC,
         k * c},
        {named("b", b, region),
         (C + A) * 0.5,
         {-alongB.y, alongB.x},
         SideInk,
         false,
         Part::SideB,
         alongB,
         legB,
         true},
        {named("a", a, region),
         (B + C) * 0.5,
         {-alongA.y, alongA.x},
         SideInk,
         false,
         Part::SideA,
         alongA,
         legA,
         true},
        {named("α", alpha, region, texts::Degree), A + direction(alpha / 2.0) * arcAtA,
         direction(alpha / 2.0), AngleInk, false, Part::AngleAlpha},
        {named("β", beta, region, texts::Degree), B + direction(180.0 - beta / 2.0) * arcAtB,
         direction(180.0 - beta / 2.0), AngleInk, false, Part::AngleBeta},
        {named("h", details.h, region),
         (C + H) * 0.5,
         awayFromI,
         HeightInk,
         false,
         Part::Height,
         {0.0, 1.0},
         length(C - H)},
        {named("R", details.R, region), (O + bottom) * 0.5, direction(30.0), CircumscribedInk,
         false, Part::Circumscribed, direction(-60.0), k * c / 2.0},
        {named("r", r, region),
         (I + touch) * 0.5,
         {alongR.y, -alongR.x},
         InscribedInk,
         false,
         Part::Inscribed,
         alongR,
         k * r},
    };

    // Where crowded labels leave one of them no room, it goes first on the next try.
    std::vector<std::size_t> order(std::size(labels));
    std::iota(order.begin(), order.end(), std::size_t{0});
    for (int attempt = 0;; ++attempt) {
        Composer placed = draw;
        std::vector<std::size_t> homeless;
        for (std::size_t i : order)
            if (!placed.label(labels[i]))
                homeless.push_back(i);
        if (homeless.empty() || attempt == 4)
            return placed.take();
        std::stable_partition(order.begin(), order.end(), [&homeless](std::size_t i) {
            return std::find(homeless.begin(), homeless.end(), i) != homeless.end();
        });
    }
}

std::string DescribeDrawing(const TriangleDetails& details, const NumberFormat& region)
{
    std::string text = texts::DrawingDescription;
    text = replaced(text, "{a}", value(details.a, region));
    text = replaced(text, "{b}", value(details.b, region));
    text = replaced(text, "{c}", value(details.c, region));
    text = replaced(text, "{alpha}", value(details.alpha, region) + texts::Degree);
    text = replaced(text, "{beta}", value(details.beta, region) + texts::Degree);
    text = replaced(text, "{h}", value(details.h, region));
    text = replaced(text, "{r}", value(details.r, region));
    text = replaced(text, "{R}", value(details.R, region));
    return text;
}

} // namespace triangle::drawing
