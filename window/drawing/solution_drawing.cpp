#include "window/drawing/solution_drawing.h"

#include "solver/variant/triangle_details.h"
#include "window/drawing/drawing_cevians.h"
#include "window/drawing/drawing_compose.h"
#include "window/drawing/drawing_geometry.h"
#include "window/drawing/drawing_labels.h"
#include "window/drawing/drawing_legend.h"
#include "window/drawing/drawing_strokes.h"
#include "window/drawing/drawing_values.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <numeric>

namespace triangle::drawing {

namespace {

// Dark, saturated inks on white keep their contrast when a projector washes colours out;
// the circles are thin but not pale.
constexpr Colour SideInk{0, 0, 0};
constexpr Colour HeightInk{198, 40, 40};
constexpr Colour AngleInk{106, 27, 154};
constexpr Colour InscribedInk{27, 110, 32};
constexpr Colour CircumscribedInk{13, 71, 161};
constexpr Colour ProjectionInk{176, 74, 0};

} // namespace

TextSize EstimateText(std::string_view text, double pixelSize, bool bold)
{
    std::size_t characters = 0;
    for (unsigned char byte : text)
        if ((byte & 0xC0) != 0x80)
            ++characters;
    return {static_cast<double>(characters) * pixelSize * (bold ? 0.68 : 0.62), pixelSize * 1.25};
}

namespace {

std::vector<Point> arcPoints(Point centre, double radius, double start, double sweep,
                             int pieces = 8)
{
    std::vector<Point> points;
    for (int i = 0; i <= pieces; ++i)
        points.push_back(centre + Direction(start + sweep * i / pieces) * radius);
    return points;
}

bool listedIn(const Legend* legend, Part part)
{
    return legend && std::any_of(legend->entries.begin(), legend->entries.end(),
                                 [part](const Label& entry) { return entry.part == part; });
}

} // namespace

Composed Compose(const TriangleDetails& details, double width, double height, double font,
                 double room, const NumberFormat& region, const MeasureText& measure,
                 bool projections, bool angleMinutes, const std::vector<Cevian>& cevians,
                 const ExactElements* exact, const Legend* legend)
{
    DisplayList list;
    list.width = width;
    list.height = height;
    const double unit = font / 14.0; // stroke widths are given for 14-pixel text
    list.fontPixels = font;

    const double a = details.a;
    const double b = details.b;
    const double c = details.c;
    // The circumscribed circle, whose diameter is the hypotenuse, holds the whole triangle;
    // the margins keep room for the labels around it.
    // A symbol alone ("β") needs less room than its value.
    const Box area = legend ? legend->rest : Box{0.0, 0.0, width, height};
    const double marginX = ((legend ? 1.3 : 2.5) + room) * font;
    const double marginY = ((legend ? 1.1 : 2.0) + room) * font;
    const double k = std::max(
        0.0, std::min((area.width - 2.0 * marginX) / c, (area.height - 2.0 * marginY) / c));
    const Point O = area.centre();
    const Point A{O.x - k * c / 2.0, O.y};
    const Point B{O.x + k * c / 2.0, O.y};
    // C lies over the foot H of the height, b²/c from A, at the height ab/c.
    const Point H{A.x + k * (b * b / c), O.y};
    const Point C{H.x, O.y - k * (a * b / c)};
    // The inscribed circle's centre, r above AB and (b + c − a)/2 along it from A.
    const double r = details.r;
    const Point I{A.x + k * ((b + c - a) / 2.0), O.y - k * r};

    Sketch sketch{std::move(list), {}, {}, {}, {}};
    StrokeComposer draw(sketch, unit);
    if (legend)
        for (const Label& entry : legend->entries) {
            sketch.list.labels.push_back(entry);
            sketch.labelBoxes.push_back(entry.box);
        }

    draw.arc(O, k * c / 2.0, 0.0, 360.0, CircumscribedInk, 2.0, Part::Circumscribed);
    // The radius R points down and to the right, leaving the middle below the hypotenuse
    // free for its label.
    const Point bottom = O + Direction(-60.0) * (k * c / 2.0);
    draw.line(O, bottom, CircumscribedInk, 2.0, Part::Circumscribed);
    draw.dot(O, 2.5, CircumscribedInk, Part::Circumscribed);

    // The radius r goes to the point where the circle touches a leg, on the side away from
    // the height, which lies on the other side of I (or through it, when isosceles).
    draw.arc(I, k * r, 0.0, 360.0, InscribedInk, 2.0, Part::Inscribed);
    sketch.discs.push_back({I, k * r, Part::Inscribed});
    const Point touch = I.x <= H.x ? A + UnitOf(C - A) * (k * (b + c - a) / 2.0)
                                   : B + UnitOf(C - B) * (k * (a + c - b) / 2.0);
    draw.line(I, touch, InscribedInk, 2.0, Part::Inscribed);
    draw.dot(I, 2.0, InscribedInk, Part::Inscribed);

    draw.line(C, H, HeightInk, 2.0, Part::Height, true);
    std::vector<LabelRequest> cevianLabels = DrawCevians(draw, cevians, {A, B, C, a, b, c});

    const double legA = k * a;
    const double legB = k * b;
    const double mark = std::min(0.8 * font, 0.35 * std::min(legA, legB));
    const Point toA = UnitOf(A - C);
    const Point toB = UnitOf(B - C);
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

    const Point alongC = UnitOf(B - A);
    const Point alongB = UnitOf(A - C);
    const Point alongA = UnitOf(C - B);
    const Point alongR = UnitOf(touch - I);
    const Point awayFromI{H.x < I.x ? -1.0 : 1.0, 0.0};
    // The legs' labels stand outward, their normals turned away from the triangle's inside.
    std::vector<LabelRequest> labels = {
        {"A", A, {-1.0, 0.2}, SideInk, true, Part::VertexA, {}, 0.0, false, {A}},
        {"B", B, {1.0, 0.2}, SideInk, true, Part::VertexB, {}, 0.0, false, {B}},
        {"C", C, C - I, SideInk, true, Part::VertexC, {}, 0.0, false, {C}},
        {NamedLength("c", Element::c, c, region, exact),
         (A + B) * 0.5,
         {0.0, 1.0},
         SideInk,
         false,
         Part::SideC,
         alongC,
         k * c,
         false,
         {A, B}},
        {NamedLength("b", Element::b, b, region, exact),
         (C + A) * 0.5,
         {-alongB.y, alongB.x},
         SideInk,
         false,
         Part::SideB,
         alongB,
         legB,
         true,
         {C, A}},
        {NamedLength("a", Element::a, a, region, exact),
         (B + C) * 0.5,
         {-alongA.y, alongA.x},
         SideInk,
         false,
         Part::SideA,
         alongA,
         legA,
         true,
         {B, C}},
        {angleMinutes ? NamedAngleLabel("α", Element::alpha, alpha, exact)
                      : NamedDegrees("α", alpha, region),
         A + Direction(alpha / 2.0) * arcAtA,
         Direction(alpha / 2.0),
         AngleInk,
         false,
         Part::AngleAlpha,
         {},
         0.0,
         false,
         arcPoints(A, arcAtA, 0.0, alpha)},
        {angleMinutes ? NamedAngleLabel("β", Element::beta, beta, exact)
                      : NamedDegrees("β", beta, region),
         B + Direction(180.0 - beta / 2.0) * arcAtB,
         Direction(180.0 - beta / 2.0),
         AngleInk,
         false,
         Part::AngleBeta,
         {},
         0.0,
         false,
         arcPoints(B, arcAtB, 180.0 - beta, beta)},
        {NamedLength("h", Element::h, details.h, region, exact),
         (C + H) * 0.5,
         awayFromI,
         HeightInk,
         false,
         Part::Height,
         {0.0, 1.0},
         Length(C - H),
         false,
         {C, H}},
        {NamedLength("R", Element::R, details.R, region, exact),
         (O + bottom) * 0.5,
         Direction(30.0),
         CircumscribedInk,
         false,
         Part::Circumscribed,
         Direction(-60.0),
         k * c / 2.0,
         false,
         {O, bottom}},
        {NamedLength("r", Element::r, r, region, exact),
         (I + touch) * 0.5,
         {alongR.y, -alongR.x},
         InscribedInk,
         false,
         Part::Inscribed,
         alongR,
         k * r,
         false,
         // Beside its circle, inside or out, as beside the radius.
         arcPoints(I, k * r, 0.0, 360.0, 48)},
    };

    if (projections) {
        // Measured off under the hypotenuse, as a dimension line with a tick at each end, so
        // that neither covers the side it measures.
        const double below = 0.9 * font;
        const double tick = 0.35 * font;
        const Point down{0.0, 1.0};
        for (const Point end : {A, H, B})
            draw.line(end + down * (below - tick), end + down * (below + tick), ProjectionInk, 1.5,
                      end.x == H.x ? Part::Foot : Part::SideC);
        draw.line(A + down * below, H + down * below, ProjectionInk, 2.0, Part::ProjectionB);
        draw.line(H + down * below, B + down * below, ProjectionInk, 2.0, Part::ProjectionA);
        draw.dot(H, 3.0, HeightInk, Part::Foot);
        const double footMark =
            std::min(0.6 * font, 0.35 * std::min(k * details.a1, k * details.b1));
        draw.line(H + Point{footMark, 0.0}, H + Point{footMark, -footMark}, HeightInk, 1.5,
                  Part::Foot);
        draw.line(H + Point{0.0, -footMark}, H + Point{footMark, -footMark}, HeightInk, 1.5,
                  Part::Foot);
        // Right after the hypotenuse's, before the angles' and the radii's, which have room
        // elsewhere: a projection's label belongs under its own stretch.
        const LabelRequest projectionLabels[] = {
            {NamedLength("b₁", Element::b1, details.b1, region, exact),
             (A + H) * 0.5 + down * below,
             down,
             ProjectionInk,
             false,
             Part::ProjectionB,
             alongC,
             k * details.b1,
             false,
             {A + down * below, H + down * below}},
            {NamedLength("a₁", Element::a1, details.a1, region, exact),
             (H + B) * 0.5 + down * below,
             down,
             ProjectionInk,
             false,
             Part::ProjectionA,
             alongC,
             k * details.a1,
             false,
             {H + down * below, B + down * below}},
            // Under the tick at H, below the measure, so that no leader crosses it.
            {"H",
             H + down * (below + tick),
             down,
             HeightInk,
             true,
             Part::Foot,
             {},
             0.0,
             false,
             {H, H + down * (below + tick)}}};
        labels.insert(labels.begin() + 4, std::begin(projectionLabels), std::end(projectionLabels));
    }

    labels.insert(labels.end(), cevianLabels.begin(), cevianLabels.end());
    for (LabelRequest& request : labels)
        if (listedIn(legend, request.part))
            request.text = SymbolOf(request.text);

    // Where crowded labels leave one of them no room beside what it names, it goes first on
    // the next try.
    std::vector<std::size_t> order(std::size(labels));
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<std::size_t> bestOrder;
    std::vector<std::size_t> bestHomeless(labels.size() + 1);
    for (int attempt = 0; attempt < 9; ++attempt) {
        Sketch draft = sketch;
        LabelComposer placed(draft, font, unit, measure);
        std::vector<std::size_t> homeless;
        for (std::size_t i : order)
            if (placed.label(labels[i], false) != Placement::Beside)
                homeless.push_back(i);
        if (homeless.empty())
            return {std::move(draft.list), 0, false};
        if (homeless.size() < bestHomeless.size())
            bestOrder = order, bestHomeless = homeless;
        std::stable_partition(order.begin(), order.end(), [&homeless](std::size_t i) {
            return std::find(homeless.begin(), homeless.end(), i) != homeless.end();
        });
    }
    // The best try again, its homeless labels away from what they name: last, or where one
    // then finds no room at all, first.
    const auto isHomeless = [&bestHomeless](std::size_t i) {
        return std::find(bestHomeless.begin(), bestHomeless.end(), i) != bestHomeless.end();
    };
    std::stable_partition(bestOrder.begin(), bestOrder.end(),
                          [&isHomeless](std::size_t i) { return !isHomeless(i); });
    for (int homelessFirst = 0;; ++homelessFirst) {
        Sketch draft = sketch;
        LabelComposer placed(draft, font, unit, measure);
        bool overlaps = false;
        for (std::size_t i : bestOrder)
            overlaps = placed.label(labels[i], true) == Placement::Nowhere || overlaps;
        if (!overlaps || homelessFirst == 1) {
            std::vector<Part> parts;
            for (const std::size_t i : bestHomeless)
                parts.push_back(labels[i].part);
            return {std::move(draft.list), bestHomeless.size(), overlaps, std::move(parts)};
        }
        std::stable_partition(bestOrder.begin(), bestOrder.end(), isHomeless);
    }
}

} // namespace triangle::drawing
