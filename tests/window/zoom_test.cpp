#include "window/zoom/zoom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using triangle::Zoom;

namespace {

TEST(Zoom, StartsAtTheNormalSize)
{
    const Zoom zoom;
    EXPECT_EQ(zoom.percent(), 100);
    EXPECT_DOUBLE_EQ(zoom.factor(), 1.0);
}

TEST(Zoom, GoesThroughTheStepsInAndOutAndStaysAtTheEnds)
{
    Zoom zoom;
    std::vector<int> seen;
    for (int i = 0; i < 9; ++i) {
        const bool changed = zoom.in();
        EXPECT_EQ(changed, i < 7) << "in, press " << i;
        seen.push_back(zoom.percent());
    }
    EXPECT_EQ(seen, (std::vector<int>{110, 125, 150, 175, 200, 250, 300, 300, 300}));
    EXPECT_DOUBLE_EQ(zoom.factor(), 3.0);

    EXPECT_TRUE(zoom.reset());
    EXPECT_EQ(zoom.percent(), 100);
    EXPECT_FALSE(zoom.reset());

    seen.clear();
    for (int i = 0; i < 6; ++i) {
        const bool changed = zoom.out();
        EXPECT_EQ(changed, i < 4) << "out, press " << i;
        seen.push_back(zoom.percent());
    }
    EXPECT_EQ(seen, (std::vector<int>{90, 75, 67, 50, 50, 50}));
    EXPECT_DOUBLE_EQ(zoom.factor(), 0.5);
}

struct WheelRow {
    const char* name;
    std::vector<int> deltas; // turned one after the other
    int percent;             // where the zoom ends
};

class ZoomWheel : public testing::TestWithParam<WheelRow> {};

TEST_P(ZoomWheel, TakesAStepForEachWholeNotch)
{
    Zoom zoom;
    for (int delta : GetParam().deltas)
        zoom.wheel(delta);
    EXPECT_EQ(zoom.percent(), GetParam().percent);
}

// A notch is 120; a touchpad sends its parts.
const WheelRow wheelRows[] = {
    {"oneNotchAway", {120}, 110},
    {"oneNotchToward", {-120}, 90},
    {"threeNotchesAtOnce", {360}, 150},
    {"halfNotchIsNotAStep", {60}, 100},
    {"twoHalvesAreOne", {60, 60}, 110},
    {"touchpadParts", {40, 40, 40, 40}, 110},
    {"backAndForth", {120, -120, -120}, 90},
    {"farBeyondTheLargest", {120 * 20}, 300},
};

INSTANTIATE_TEST_SUITE_P(Rows, ZoomWheel, testing::ValuesIn(wheelRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
