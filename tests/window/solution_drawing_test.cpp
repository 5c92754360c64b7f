#include "tests/triangle_from_legs.h"
#include "window/drawing/solution_drawing.h"

#include "solver/variant/triangle_details.h"
#include "tests/regions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>

using triangle::TriangleDetails;
using namespace triangle::drawing;

namespace {

const Dot& dotOf(const DisplayList& list, Part part)
{
    return *std::find_if(list.dots.begin(), list.dots.end(),
                         [part](const Dot& d) { return d.part == part; });
}

const Label& labelOf(const DisplayList& list, Part part)
{
    return *std::find_if(list.labels.begin(), list.labels.end(),
                         [part](const Label& l) { return l.part == part && l.text.size() > 1; });
}

bool hasLeader(const DisplayList& list, Part part)
{
    return std::any_of(list.lines.begin(), list.lines.end(),
                       [part](const Line& l) { return l.leader && l.part == part; });
}

// In a 640 × 480 target the text is 15 pixels and the margins 37.5 and 30, so the circle
// of diameter c is 420 pixels wide, centred at (320, 240): A (110, 240), B (530, 240).
struct Expected {
    const char* name;
    double a, b;
    double Cx, Cy;     // C over the foot of the height: A + 420·b²/c², 240 − 420·ab/c²
    double Ix, Iy, Ir; // the inscribed circle: A + k(b + c − a)/2, 240 − k·r, k·r, k = 420/c
};

void PrintTo(const Expected& e, std::ostream* os)
{
    *os << e.name;
}

class DrawingCoordinates : public testing::TestWithParam<Expected> {};

TEST_P(DrawingCoordinates, PlaceTheTriangleWhereWorkedOutByHand)
{
    const Expected& e = GetParam();
    const DisplayList list = DrawSolution(fromLegs(e.a, e.b), 640, 480, 1.0, regions::enUS());
    EXPECT_DOUBLE_EQ(list.fontPixels, 15.0);
    const Point A = dotOf(list, Part::VertexA).centre;
    const Point B = dotOf(list, Part::VertexB).centre;
    const Point C = dotOf(list, Part::VertexC).centre;
    EXPECT_NEAR(A.x, 110.0, 1e-9);
    EXPECT_NEAR(A.y, 240.0, 1e-9);
    EXPECT_NEAR(B.x, 530.0, 1e-9);
    EXPECT_NEAR(B.y, 240.0, 1e-9);
    EXPECT_NEAR(C.x, e.Cx, 1e-6);
    EXPECT_NEAR(C.y, e.Cy, 1e-6);

    ASSERT_EQ(list.arcs.size(), 4u);
    const Arc& circumscribed = list.arcs[0];
    EXPECT_EQ(circumscribed.part, Part::Circumscribed);
    EXPECT_NEAR(circumscribed.centre.x, 320.0, 1e-9);
    EXPECT_NEAR(circumscribed.centre.y, 240.0, 1e-9);
    EXPECT_NEAR(circumscribed.radius, 210.0, 1e-9);
    EXPECT_EQ(circumscribed.sweepDegrees, 360.0);
    const Arc& inscribed = list.arcs[1];
    EXPECT_EQ(inscribed.part, Part::Inscribed);
    EXPECT_NEAR(inscribed.centre.x, e.Ix, 1e-6);
    EXPECT_NEAR(inscribed.centre.y, e.Iy, 1e-6);
    EXPECT_NEAR(inscribed.radius, e.Ir, 1e-6);

    const auto height = std::find_if(list.lines.begin(), list.lines.end(),
                                     [](const Line& l) { return l.part == Part::Height; });
    ASSERT_NE(height, list.lines.end());
    EXPECT_TRUE(height->dashed);
    EXPECT_NEAR(height->to.x, e.Cx, 1e-6); // the foot H, straight below C
    EXPECT_NEAR(height->to.y, 240.0, 1e-9);
}

// 3-4-5: k = 84, C = (110 + 84·3.2, 240 − 84·2.4), I = (110 + 84·3, 240 − 84), r = 1.
// Isosceles legs 1: C on top of the circle; k·r = 210√2·(2 − √2)/2 = 210(√2 − 1).
// Legs 1 and 1000: c² = 1000001.
const Expected expected[] = {
    {"threeFourFive", 3.0, 4.0, 378.8, 38.4, 362.0, 156.0, 84.0},
    {"isosceles", 1.0, 1.0, 320.0, 30.0, 320.0, 240.0 - 86.98484809834996, 86.98484809834996},
    {"thinLegs1And1000", 1.0, 1000.0, 110.0 + 420.0e6 / 1000001.0, 240.0 - 420.0e3 / 1000001.0,
     110.0 + 420.0 / std::sqrt(1000001.0) * (1000.0 + std::sqrt(1000001.0) - 1.0) / 2.0,
     240.0 - 420.0 / std::sqrt(1000001.0) * (1000.0 / (1001.0 + std::sqrt(1000001.0))),
     420.0 / std::sqrt(1000001.0) * (1000.0 / (1001.0 + std::sqrt(1000001.0)))},
};
INSTANTIATE_TEST_SUITE_P(Drawing, DrawingCoordinates, testing::ValuesIn(expected),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawingLabels, NameEachPartWithItsValueInTheRegion)
{
    const DisplayList list = DrawSolution(fromLegs(3.0, 4.0), 640, 480, 1.0, regions::bgBG());
    EXPECT_EQ(labelOf(list, Part::SideA).text, "a = 3,000");
    EXPECT_EQ(labelOf(list, Part::SideB).text, "b = 4,000");
    EXPECT_EQ(labelOf(list, Part::SideC).text, "c = 5,000");
    EXPECT_EQ(labelOf(list, Part::AngleAlpha).text, "α = 36,870°");
    EXPECT_EQ(labelOf(list, Part::AngleBeta).text, "β = 53,130°");
    EXPECT_EQ(labelOf(list, Part::Height).text, "h = 2,400");
    EXPECT_EQ(labelOf(list, Part::Inscribed).text, "r = 1,000");
    EXPECT_EQ(labelOf(list, Part::Circumscribed).text, "R = 2,500");
}

TEST(DrawingLabels, StandBesideTheSidesOfTheThreeFourFiveTriangle)
{
    const DisplayList list = DrawSolution(fromLegs(3.0, 4.0), 640, 480, 1.0, regions::enUS());
    // c below the hypotenuse, b up and left of CA, both without a leader.
    EXPECT_FALSE(hasLeader(list, Part::SideC));
    EXPECT_FALSE(hasLeader(list, Part::SideB));
    EXPECT_GT(labelOf(list, Part::SideC).box.top, 240.0);
    EXPECT_LT(labelOf(list, Part::SideB).box.centre().x, 244.4);
    EXPECT_LT(labelOf(list, Part::SideB).box.centre().y, 139.2);
    // Between BC and the circle there are only (c − b)/2 · 84 = 42 pixels: a's label stands
    // outside the circle, to the right of C, joined to the middle of BC by a leader.
    EXPECT_TRUE(hasLeader(list, Part::SideA));
    const Box& a = labelOf(list, Part::SideA).box;
    for (Point corner : {Point{a.left, a.top}, Point{a.right(), a.top}, Point{a.left, a.bottom()},
                         Point{a.right(), a.bottom()}})
        EXPECT_GT(std::hypot(corner.x - 320.0, corner.y - 240.0), 210.0);
    EXPECT_GT(a.left, 378.8);
}

TEST(DrawingLabels, ALegTooShortForItsLabelGetsALeader)
{
    const DisplayList list = DrawSolution(fromLegs(1.0, 1000.0), 640, 480, 1.0, regions::enUS());
    EXPECT_TRUE(hasLeader(list, Part::SideA));
    const Label& a = labelOf(list, Part::SideA);
    const auto leader = std::find_if(list.lines.begin(), list.lines.end(), [](const Line& l) {
        return l.leader && l.part == Part::SideA;
    });
    // It starts on the leg, 420/√1000001 ≈ 0.42 pixels long, so within 0.21 of its middle.
    EXPECT_NEAR(leader->from.x, a.anchor.x, 0.25);
    EXPECT_NEAR(leader->from.y, a.anchor.y, 0.25);
    // It ends on the label's box.
    EXPECT_GE(leader->to.x, a.box.left - 1e-9);
    EXPECT_LE(leader->to.x, a.box.right() + 1e-9);
    EXPECT_GE(leader->to.y, a.box.top - 1e-9);
    EXPECT_LE(leader->to.y, a.box.bottom() + 1e-9);
}

TEST(DrawingLabels, GrowWithTheTargetAndTheScale)
{
    EXPECT_DOUBLE_EQ(DrawSolution(fromLegs(3, 4), 640, 480, 2.0, {}).fontPixels, 28.0);
    EXPECT_DOUBLE_EQ(DrawSolution(fromLegs(3, 4), 1920, 1280, 1.0, {}).fontPixels, 40.0);
}

// Independent checks of the finished picture.
bool boxesOverlap(const Box& p, const Box& q)
{
    return p.left < q.right() && q.left < p.right() && p.top < q.bottom() && q.top < p.bottom();
}

// Samples the segment finely: a label that a stroke passes through contains a sample.
bool segmentTouches(Point p, Point q, const Box& box)
{
    if (std::max(p.x, q.x) < box.left || std::min(p.x, q.x) > box.right() ||
        std::max(p.y, q.y) < box.top || std::min(p.y, q.y) > box.bottom())
        return false;
    const int samples = 2 + static_cast<int>(std::hypot(q.x - p.x, q.y - p.y) * 2.0);
    for (int i = 0; i <= samples; ++i) {
        const double t = static_cast<double>(i) / samples;
        const double x = p.x + (q.x - p.x) * t;
        const double y = p.y + (q.y - p.y) * t;
        if (x > box.left && x < box.right() && y > box.top && y < box.bottom())
            return true;
    }
    return false;
}

bool arcTouches(const Arc& arc, const Box& box)
{
    if (arc.centre.x + arc.radius < box.left || arc.centre.x - arc.radius > box.right() ||
        arc.centre.y + arc.radius < box.top || arc.centre.y - arc.radius > box.bottom())
        return false;
    const int samples = 16 + static_cast<int>(arc.radius * std::abs(arc.sweepDegrees) / 20.0);
    for (int i = 0; i <= samples; ++i) {
        const double t =
            (arc.startDegrees + arc.sweepDegrees * i / samples) * std::numbers::pi / 180.0;
        const double x = arc.centre.x + arc.radius * std::cos(t);
        const double y = arc.centre.y - arc.radius * std::sin(t);
        if (x > box.left && x < box.right() && y > box.top && y < box.bottom())
            return true;
    }
    return false;
}

std::string problemsOf(const DisplayList& list)
{
    std::string problems;
    for (std::size_t i = 0; i < list.labels.size(); ++i) {
        const Label& label = list.labels[i];
        const Box& box = label.box;
        if (box.left < 0 || box.top < 0 || box.right() > list.width || box.bottom() > list.height)
            problems += " '" + label.text + "' outside the target;";
        for (std::size_t j = i + 1; j < list.labels.size(); ++j)
            if (boxesOverlap(box, list.labels[j].box))
                problems += " '" + label.text + "' over '" + list.labels[j].text + "';";
        for (const Line& line : list.lines)
            if (!(line.leader && line.part == label.part) &&
                segmentTouches(line.from, line.to, box))
                problems += " '" + label.text + "' crosses a line;";
        for (const Arc& arc : list.arcs)
            if (arcTouches(arc, box))
                problems += " '" + label.text + "' crosses a circle or an arc;";
    }
    return problems;
}

TEST(DrawingLabels, OverlapNothingForTheHandWorkedTriangles)
{
    for (auto [a, b] : {std::pair{3.0, 4.0}, {4.0, 3.0}, {1.0, 1.0}, {1.0, 1000.0}, {1000.0, 1.0}})
        for (auto [w, h] : {std::pair{640.0, 480.0}, {480.0, 640.0}, {1280.0, 960.0}})
            EXPECT_EQ(problemsOf(DrawSolution(fromLegs(a, b), w, h, 1.0, regions::bgBG())), "")
                << a << " and " << b << " in " << w << " × " << h;
}

// A drawing costs some thirty times as much under the address sanitizer: there a tenth of the
// generated triangles keeps the suite's time, and the plain build draws them all.
#if defined(__SANITIZE_ADDRESS__)
constexpr int GeneratedShare = 10;
#else
constexpr int GeneratedShare = 1;
#endif

TEST(DrawingLabels, OverlapNothingForThousandsOfGeneratedTriangles)
{
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> exponent(0.0, 3.0);
    std::uniform_real_distribution<double> size(-3.0, 6.0);
    const std::pair<double, double> targets[] = {{640, 480}, {480, 640}, {800, 500}, {500, 420}};
    for (int i = 0; i < 3000 / GeneratedShare; ++i) {
        const double scale = std::pow(10.0, std::round(size(random)));
        double a = scale;
        double b = scale * std::pow(10.0, exponent(random));
        if (i % 2)
            std::swap(a, b);
        const auto [w, h] = targets[i % 4];
        const DisplayList list = DrawSolution(fromLegs(a, b), w, h, 1.0, regions::bgBG());
        ASSERT_EQ(problemsOf(list), "")
            << "legs " << a << " and " << b << " in " << w << " × " << h;
    }
}

TEST(DrawingProjections, MarkTheFootAndMeasureOffBothProjectionsUnderTheHypotenuse)
{
    // Legs 15 and 20: c = 25, b₁ = AH = 20²/25 = 16, a₁ = HB = 15²/25 = 9.
    const DisplayList list =
        DrawSolution(fromLegs(15, 20), 800, 600, 1.0, regions::bgBG(), EstimateText, true);
    const Point A = dotOf(list, Part::VertexA).centre;
    const Point B = dotOf(list, Part::VertexB).centre;
    const Point H = dotOf(list, Part::Foot).centre;
    EXPECT_NEAR(H.x, A.x + (B.x - A.x) * 16.0 / 25.0, 1e-9);
    EXPECT_DOUBLE_EQ(H.y, A.y);
    const Label& a1 = labelOf(list, Part::ProjectionA);
    const Label& b1 = labelOf(list, Part::ProjectionB);
    EXPECT_EQ(a1.text, "a₁ = 9,000");
    EXPECT_EQ(b1.text, "b₁ = 16,000");
    EXPECT_TRUE(std::any_of(list.labels.begin(), list.labels.end(), [](const Label& label) {
        return label.part == Part::Foot && label.text == "H";
    }));
    // Each under its own part of the hypotenuse.
    EXPECT_GT(a1.box.centre().x, H.x);
    EXPECT_LT(a1.box.centre().x, B.x);
    EXPECT_GT(b1.box.centre().x, A.x);
    EXPECT_LT(b1.box.centre().x, H.x);
    EXPECT_GT(a1.box.top, A.y);
    EXPECT_GT(b1.box.top, A.y);
    EXPECT_EQ(problemsOf(list), "");
}

TEST(DrawingProjections, AreLeftOutUnlessAsked)
{
    const DisplayList list = DrawSolution(fromLegs(15, 20), 800, 600, 1.0, regions::bgBG());
    for (const Label& label : list.labels)
        EXPECT_TRUE(label.part != Part::Foot && label.part != Part::ProjectionA &&
                    label.part != Part::ProjectionB)
            << label.text;
    for (const Dot& dot : list.dots)
        EXPECT_NE(dot.part, Part::Foot);
}

TEST(DrawingProjections, OverlapNothingForGeneratedTriangles)
{
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> exponent(0.0, 3.0);
    const std::pair<double, double> targets[] = {{640, 480}, {480, 640}, {800, 500}, {500, 420}};
    for (int i = 0; i < 600 / GeneratedShare; ++i) {
        double a = 1.0;
        double b = std::pow(10.0, exponent(random));
        if (i % 2)
            std::swap(a, b);
        const auto [w, h] = targets[i % 4];
        const DisplayList list =
            DrawSolution(fromLegs(a, b), w, h, 1.0, regions::bgBG(), EstimateText, true);
        ASSERT_EQ(problemsOf(list), "")
            << "legs " << a << " and " << b << " in " << w << " × " << h;
    }
}

TEST(DrawingDescription, NamesTheProjections)
{
    const std::string text = DescribeProjections(fromLegs(15.0, 20.0), regions::bgBG());
    EXPECT_NE(text.find("b₁ = AH = 16,000"), std::string::npos) << text;
    EXPECT_NE(text.find("a₁ = HB = 9,000"), std::string::npos) << text;
}

TEST(DrawingDescription, SaysWhatTheDrawingShows)
{
    const std::string text = DescribeDrawing(fromLegs(3.0, 4.0), regions::bgBG());
    for (const char* part : {"a = 3,000", "b = 4,000", "c = 5,000", "α = 36,870°", "β = 53,130°",
                             "h = 2,400", "r = 1,000", "R = 2,500", "прав ъгъл при върха C"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_EQ(text.find('{'), std::string::npos);
}

} // namespace
