#include "tests/regions.h"
#include "tests/triangle_from_legs.h"
#include "window/drawing/drawing_check.h"
#include "window/drawing/solution_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using triangle::Cevian;
using namespace triangle::drawing;

struct CevianRow {
    const char* name;
    Cevian cevian;
    Part part;
    const char* label;
    Point from; // the vertex
    Point to;   // the foot
};

// 3-4-5 in 640 × 480: k = 84, A = (110, 240), B = (530, 240), C = (378,8, 38,4). The feet,
// by hand: the midpoint of BC (454,4, 139,2) and of CA (244,4, 139,2); D on BC with
// CD = 4/9 CB (b : c = 4 : 5), C + 4/9·(151,2, 201,6) = (446, 128); E on CA with
// CE = 3/8 CA (a : c = 3 : 5), C + 3/8·(−268,8, 201,6) = (278, 114); F on AB with
// AF = 4/7 AB (b : a = 4 : 3), 110 + 240 = 350.
const CevianRow rows[] = {
    {"median_a", Cevian::MedianA, Part::MedianA, "m_a", {110, 240}, {454.4, 139.2}},
    {"median_b", Cevian::MedianB, Part::MedianB, "m_b", {530, 240}, {244.4, 139.2}},
    {"bisector_a", Cevian::BisectorA, Part::BisectorA, "l_a", {110, 240}, {446, 128}},
    {"bisector_b", Cevian::BisectorB, Part::BisectorB, "l_b", {530, 240}, {278, 114}},
    {"bisector_c", Cevian::BisectorC, Part::BisectorC, "l_c", {378.8, 38.4}, {350, 240}},
};

const Line& lineOf(const DisplayList& list, Part part)
{
    const auto line = std::find_if(list.lines.begin(), list.lines.end(),
                                   [part](const Line& l) { return l.part == part && !l.leader; });
    EXPECT_NE(line, list.lines.end());
    return *line;
}

// Each median or bisector goes from its vertex to its foot, dashed and dotted, with its
// label where the drawing's check finds it readable: alone, and all five at once.
TEST(CevianDrawing, EachGoesFromItsVertexToItsFoot)
{
    std::vector<Cevian> all;
    for (const CevianRow& row : rows)
        all.push_back(row.cevian);
    for (const CevianRow& row : rows) {
        SCOPED_TRACE(row.name);
        for (const std::vector<Cevian>& drawn : {std::vector<Cevian>{row.cevian}, all}) {
            const DisplayList list =
                DrawSolution(fromLegs(3.0, 4.0), 640, 480, 1.0, regions::bgBG(), EstimateText,
                             false, false, 1.0, drawn);
            const Line& height = lineOf(list, Part::Height);
            ASSERT_NEAR(height.from.x, 378.8, 1e-9); // the layout is the one worked out above
            ASSERT_NEAR(height.from.y, 38.4, 1e-9);
            const Line& line = lineOf(list, row.part);
            EXPECT_NEAR(line.from.x, row.from.x, 1e-9);
            EXPECT_NEAR(line.from.y, row.from.y, 1e-9);
            EXPECT_NEAR(line.to.x, row.to.x, 1e-9);
            EXPECT_NEAR(line.to.y, row.to.y, 1e-9);
            EXPECT_TRUE(line.dashDot);
            EXPECT_FALSE(line.dashed);
            const auto label = std::find_if(list.labels.begin(), list.labels.end(),
                                            [&row](const Label& l) { return l.part == row.part; });
            ASSERT_NE(label, list.labels.end());
            EXPECT_EQ(label->text, row.label);
            EXPECT_EQ(CheckLabels(list), "");
        }
    }
}

// All five stay readable on shapes from thin to isosceles, small and large, with the
// projections too.
TEST(CevianDrawing, LabelsStayClearOnEveryShape)
{
    const std::vector<Cevian> all = {Cevian::MedianA, Cevian::MedianB, Cevian::BisectorA,
                                     Cevian::BisectorB, Cevian::BisectorC};
    for (const double b : {1.0, 1.5, 3.0, 8.0})
        for (const auto& [w, h] : {std::pair{480.0, 360.0}, std::pair{1024.0, 640.0}})
            for (const bool projections : {false, true}) {
                SCOPED_TRACE(std::to_string(b) + " " + std::to_string(w) + " " +
                             std::to_string(projections));
                const DisplayList list = DrawSolution(fromLegs(1.0, b), w, h, 1.0, regions::bgBG(),
                                                      EstimateText, projections, false, 1.0, all);
                EXPECT_EQ(CheckLabels(list), "");
            }
}

} // namespace
