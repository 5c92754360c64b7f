#include "tests/regions.h"
#include "tests/triangle_from_legs.h"
#include "window/drawing/drawing_check.h"
#include "window/drawing/solution_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using triangle::Cevian;
using namespace triangle::drawing;

struct Shape {
    const char* name;
    double a, b;
    bool projections;
    Cevian cevian; // the median or bisector given, drawn with the rest
};

// Legs 7 and 24 put a's label beside h's; projections 9 and 16 are those of legs 15 and 20;
// 1 : 50 leaves the short leg a stroke shorter than its label at every size.
const Shape shapes[] = {
    {"isoscelesBisectorC", 5.0, 5.0, false, Cevian::BisectorC},
    {"threeFourFiveMedianA", 3.0, 4.0, false, Cevian::MedianA},
    {"sevenTwentyFourBisectorA", 7.0, 24.0, false, Cevian::BisectorA},
    {"oneToTwentyMedianB", 1.0, 20.0, false, Cevian::MedianB},
    {"oneToFiftyBisectorB", 1.0, 50.0, false, Cevian::BisectorB},
    {"projectionsNineSixteenMedianA", 15.0, 20.0, true, Cevian::MedianA},
};

struct Target {
    const char* name;
    double width, height; // logical pixels, or a page's dots
    double scale;         // dots per logical pixel on paper; a screen's comes from its DPI
    bool paper;
};

// The drawing as "Решение" opens (720 × 920, half of it under the menu bar and the button)
// and as the window of any two elements opens (1280 × 720 less the 740-pixel panel, three
// fifths of the height); both maximized on 1920 × 1080; and A4 at 300 dots an inch, 170 mm
// between the margins and three fifths of that high, 300 / 96 dots a logical pixel.
const Target targets[] = {
    {"solutionOpening", 720.0, 430.0, 1.0, false},
    {"elementsOpening", 540.0, 410.0, 1.0, false},
    {"solutionMaximized", 1920.0, 490.0, 1.0, false},
    {"elementsMaximized", 1180.0, 610.0, 1.0, false},
    {"pageA4", 2008.0, 1205.0, 3.125, true},
};

struct Zoom {
    const char* name;
    double factor;
};
const Zoom zooms[] = {{"zoom50", 0.5}, {"zoom100", 1.0}, {"zoom200", 2.0}, {"zoom300", 3.0}};

struct Dpi {
    const char* name;
    double scale;
};
const Dpi dpis[] = {{"dpi100", 1.0}, {"dpi150", 1.5}};

class ReadableLabels : public testing::TestWithParam<std::tuple<Shape, Zoom, Target, Dpi>> {};

TEST_P(ReadableLabels, PassTheDrawingsOwnCheck)
{
    const auto& [shape, zoom, target, dpi] = GetParam();
    // A page has its own dots; the screen's DPI does not reach it.
    const double scale = target.paper ? target.scale : dpi.scale;
    const double size = target.paper ? 1.0 : dpi.scale;
    const DisplayList list = DrawSolution(
        fromLegs(shape.a, shape.b), target.width * size, target.height * size, scale,
        regions::bgBG(), EstimateText, shape.projections, false, zoom.factor, {shape.cevian});
    EXPECT_EQ(CheckLabels(list), "");
}

std::string rowName(const testing::TestParamInfo<std::tuple<Shape, Zoom, Target, Dpi>>& info)
{
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name + "_" +
           std::get<2>(info.param).name + "_" + std::get<3>(info.param).name;
}

// Maximized, every zoom.
INSTANTIATE_TEST_SUITE_P(Maximized, ReadableLabels,
                         testing::Combine(testing::ValuesIn(shapes), testing::ValuesIn(zooms),
                                          testing::Values(targets[2], targets[3]),
                                          testing::ValuesIn(dpis)),
                         rowName);

// At the opening sizes and on paper, every zoom: where the target has no room for labels that
// large, they grow only as far as they stay clear.
INSTANTIATE_TEST_SUITE_P(Opening, ReadableLabels,
                         testing::Combine(testing::ValuesIn(shapes), testing::ValuesIn(zooms),
                                          testing::Values(targets[0], targets[1], targets[4]),
                                          testing::ValuesIn(dpis)),
                         rowName);

TEST(ZoomedLabels, TakeTheZoomWhereThereIsRoomAndLessWhereThereIsNot)
{
    // 14 pixels at the normal size, three times that at 300 %.
    const auto fontAt = [](const Target& target) {
        return DrawSolution(fromLegs(7, 24), target.width, target.height, 1.0, regions::bgBG(),
                            EstimateText, false, false, 3.0)
            .fontPixels;
    };
    EXPECT_DOUBLE_EQ(fontAt(targets[3]), 42.0);
    EXPECT_LT(fontAt(targets[1]), 42.0);
    EXPECT_GE(fontAt(targets[1]), 14.0);
}

} // namespace
