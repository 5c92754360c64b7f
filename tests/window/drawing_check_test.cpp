#include "window/drawing/drawing_check.h"

#include "solver/variant/triangle_details.h"
#include "tests/regions.h"
#include "tests/triangle_from_legs.h"

#include <gtest/gtest.h>

#include <string>

using namespace triangle::drawing;

namespace {

// A box 10 × 10 at (10, 10) and what stands around it, measured by hand.
TEST(DrawingCheck, MeasuresDistancesToABox)
{
    const Box box{10.0, 10.0, 10.0, 10.0};
    EXPECT_DOUBLE_EQ(DistanceToBox(box, {15.0, 15.0}), 0.0);
    EXPECT_DOUBLE_EQ(DistanceToBox(box, {23.0, 24.0}), 5.0); // 3-4-5 off the corner
    EXPECT_DOUBLE_EQ(SegmentToBox(box, {0.0, 0.0}, {30.0, 30.0}), 0.0);
    EXPECT_NEAR(SegmentToBox(box, {0.0, 26.0}, {30.0, 26.0}), 6.0, 1e-9);
    // From straight down to 3 o'clock: nearest the box's corner (20, 20) at 45°.
    const Arc quarter{{10.0, 10.0}, 20.0, -90.0, 90.0, {}, 1.0, Part::AngleAlpha};
    EXPECT_NEAR(ArcToBox(box, quarter), 20.0 - 10.0 * std::sqrt(2.0), 0.05);
}

TEST(DrawingCheck, FindsEachKindOfFault)
{
    DisplayList list;
    list.width = 200.0;
    list.height = 100.0;
    list.fontPixels = 10.0;
    list.arcs.push_back({{100.0, 50.0}, 20.0, 0.0, 360.0, {}, 1.0, Part::Inscribed});
    list.lines.push_back({{0.0, 90.0}, {200.0, 90.0}, {}, 1.0, false, Part::SideC, false});
    const auto label = [](const char* text, Box box, Part part) {
        return Label{text, {box.left, box.bottom()}, box, {}, false, part};
    };
    list.labels = {label("c", {90.0, 78.0, 10.0, 10.0}, Part::SideC),
                   label("r", {95.0, 45.0, 10.0, 10.0}, Part::Inscribed)};
    EXPECT_EQ(CheckLabels(list), "");

    list.labels.push_back(label("h", {110.0, 40.0, 10.0, 10.0}, Part::Height));
    list.labels.push_back(label("over", {92.0, 80.0, 10.0, 10.0}, Part::SideC));
    list.labels.push_back(label("far", {10.0, 10.0, 10.0, 10.0}, Part::SideC));
    list.labels.push_back(label("out", {195.0, 82.0, 10.0, 10.0}, Part::SideC));
    const std::string faults = CheckLabels(list);
    EXPECT_NE(faults.find("'h' inside a circle it does not name"), std::string::npos) << faults;
    EXPECT_NE(faults.find("'c' over 'over'"), std::string::npos) << faults;
    EXPECT_NE(faults.find("'far' away from what it names"), std::string::npos) << faults;
    EXPECT_NE(faults.find("'out' outside the drawing"), std::string::npos) << faults;
    EXPECT_EQ(faults.find("'r' inside"), std::string::npos) << faults;
}

// A stroke of the height from (150, 0) down to (150, 60), a label of the hypotenuse near it,
// and leaders that cross what they do not name; each measured by hand.
TEST(DrawingCheck, FindsLeadersAcrossAndLabelsTooClose)
{
    DisplayList list;
    list.width = 300.0;
    list.height = 100.0;
    list.fontPixels = 10.0; // a gap of 3 pixels at least between labels
    list.lines.push_back({{0.0, 90.0}, {300.0, 90.0}, {}, 2.0, false, Part::SideC, false});
    list.lines.push_back({{150.0, 0.0}, {150.0, 60.0}, {}, 2.0, true, Part::Height, false});
    const auto label = [](const char* text, Box box, Part part) {
        return Label{text, {box.left, box.bottom()}, box, {}, false, part};
    };
    // 2 pixels apart, and 5.
    list.labels = {label("c", {40.0, 76.0, 10.0, 10.0}, Part::SideC),
                   label("near", {52.0, 76.0, 10.0, 10.0}, Part::SideC),
                   label("h", {155.0, 20.0, 10.0, 10.0}, Part::Height),
                   label("clear", {67.0, 76.0, 10.0, 10.0}, Part::SideC)};
    std::string faults = CheckLabels(list);
    EXPECT_EQ(faults, "'c' crowds 'near';");

    // From the hypotenuse at x = 140 up across the height at 150 to a label at its right;
    // from the hypotenuse at 20 across the label "c".
    list.labels = {label("c", {130.0, 76.0, 10.0, 10.0}, Part::SideC),
                   label("b", {40.0, 60.0, 10.0, 10.0}, Part::SideB)};
    list.lines.push_back({{140.0, 50.0}, {160.0, 50.0}, {}, 1.0, false, Part::SideB, true});
    list.lines.push_back({{135.0, 90.0}, {135.0, 86.0}, {}, 1.0, false, Part::SideC, true});
    list.lines.push_back({{45.0, 90.0}, {45.0, 70.0}, {}, 1.0, false, Part::SideB, true});
    list.labels.push_back(label("a", {155.0, 45.0, 4.0, 10.0}, Part::SideA));
    faults = CheckLabels(list);
    EXPECT_NE(faults.find("'b' led across a stroke it does not name"), std::string::npos) << faults;
    EXPECT_NE(faults.find("'b' led across 'a'"), std::string::npos) << faults;
    // c's own leader leaves the hypotenuse and meets nothing else.
    EXPECT_EQ(faults.find("'c' led"), std::string::npos) << faults;
    // A label over the height it does not name.
    list.labels = {label("R", {145.0, 30.0, 10.0, 10.0}, Part::Circumscribed)};
    EXPECT_NE(CheckLabels(list).find("'R' over a stroke it does not name"), std::string::npos);
}

struct Row {
    const char* name;
    double a, b;
    bool projections;
};

// Projections 9 and 16 are those of legs 15 and 20 (c = 25); 1 : 20 is a very flat one.
const Row triangles[] = {
    {"isosceles", 1.0, 1.0, false},           {"threeFourFive", 3.0, 4.0, false},
    {"fourThreeFive", 4.0, 3.0, false},       {"flatOneToTwenty", 1.0, 20.0, false},
    {"flatTwentyToOne", 20.0, 1.0, false},    {"projectionsNineSixteen", 15.0, 20.0, true},
    {"flatWithProjections", 1.0, 20.0, true},
};

struct Setting {
    const char* name;
    double width, height, scale, zoom;
};

// "Решение"'s drawing as it opens (720 × 440), on a screen at 200 %, maximized on a
// projector (1280 × 560), and a page of A4 at 150 dots an inch; 300 % wants the room a
// projector gives: in the drawing as it opens, 42-pixel labels leave ten lines of text.
const Setting settings[] = {
    {"window50", 720.0, 440.0, 1.0, 0.5},      {"window100", 720.0, 440.0, 1.0, 1.0},
    {"hiDpi50", 1440.0, 880.0, 2.0, 0.5},      {"hiDpi100", 1440.0, 880.0, 2.0, 1.0},
    {"projector50", 1280.0, 560.0, 1.0, 0.5},  {"projector100", 1280.0, 560.0, 1.0, 1.0},
    {"projector300", 1280.0, 560.0, 1.0, 3.0}, {"paper", 1100.0, 900.0, 2.0, 1.0},
};

class EveryLabel : public testing::TestWithParam<std::tuple<Row, Setting>> {};

TEST_P(EveryLabel, PassesTheDrawingsOwnCheck)
{
    const auto& [row, setting] = GetParam();
    const DisplayList list =
        DrawSolution(fromLegs(row.a, row.b), setting.width, setting.height, setting.scale,
                     regions::bgBG(), EstimateText, row.projections, false, setting.zoom);
    EXPECT_EQ(CheckLabels(list), "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, EveryLabel, testing::Combine(testing::ValuesIn(triangles), testing::ValuesIn(settings)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

struct FontRow {
    const char* name;
    double width, height, scale, zoom;
    double font; // max(14 × scale × zoom, min(width, height) / 32 × min(zoom, 1)), by hand
};

class LabelSize : public testing::TestWithParam<FontRow> {};

TEST_P(LabelSize, FollowsTheZoom)
{
    const FontRow& row = GetParam();
    EXPECT_DOUBLE_EQ(DrawSolution(fromLegs(3.0, 4.0), row.width, row.height, row.scale, {},
                                  EstimateText, false, false, row.zoom)
                         .fontPixels,
                     row.font);
}

const FontRow fontRows[] = {
    {"windowHalf", 720.0, 440.0, 1.0, 0.5, 7.0},
    {"window", 720.0, 440.0, 1.0, 1.0, 14.0},
    {"windowTriple", 720.0, 440.0, 1.0, 3.0, 42.0},
    {"projectorHalf", 1280.0, 560.0, 1.0, 0.5, 8.75},
    {"projector", 1280.0, 560.0, 1.0, 1.0, 17.5},
    {"projectorTriple", 1280.0, 560.0, 1.0, 3.0, 42.0},
    {"hiDpiHalf", 1440.0, 880.0, 2.0, 0.5, 14.0},
    {"hiDpiTriple", 1440.0, 880.0, 2.0, 3.0, 84.0},
};

INSTANTIATE_TEST_SUITE_P(Rows, LabelSize, testing::ValuesIn(fontRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
