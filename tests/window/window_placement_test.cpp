#include "window/window_placement.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace triangle::placement {

void PrintTo(const Rect& r, std::ostream* out)
{
    *out << '{' << r.left << ", " << r.top << ", " << r.width << " x " << r.height << '}';
}

namespace {

struct Opening {
    const char* name;
    Rect main;
    std::optional<Rect> solution;
    Size wanted;
    Rect workArea;
    Rect expected;
};

// Frames in the screen's pixels, worked by hand: to the right of the other window with a gap
// of 8 where it fits, otherwise pushed left and up into the work area, never past its left
// and top edges, never larger than it.
const Opening Openings[] = {
    {"RoomToTheRight",
     {100, 100, 487, 386},
     std::nullopt,
     {736, 759},
     {0, 0, 1920, 1040},
     {595, 100, 736, 759}},
    {"BesideTheVisibleSolution",
     {100, 100, 487, 386},
     Rect{595, 100, 736, 759},
     {1296, 759},
     {0, 0, 1920, 1040},
     {624, 100, 1296, 759}},
    {"SchoolLaptopAt125Percent",
     {0, 0, 487, 386},
     std::nullopt,
     {1296, 759},
     {0, 0, 1093, 614},
     {0, 0, 1093, 614}},
    {"FullHdAt150Percent",
     {0, 0, 487, 386},
     std::nullopt,
     {736, 759},
     {0, 0, 1280, 720},
     {495, 0, 736, 720}},
    {"MainAtTheRightEdgeOf1024x768",
     {530, 200, 487, 386},
     std::nullopt,
     {736, 759},
     {0, 0, 1024, 768},
     {288, 9, 736, 759}},
    {"SecondMonitorToTheLeft",
     {-1200, 50, 487, 386},
     std::nullopt,
     {736, 759},
     {-1280, 0, 1280, 984},
     {-736, 50, 736, 759}},
    {"SecondMonitorAboveAndRight",
     {2000, -150, 487, 386},
     std::nullopt,
     {1296, 759},
     {1920, -200, 1600, 900},
     {2224, -150, 1296, 759}},
    {"LargerThanTheScreen",
     {10, 10, 487, 386},
     std::nullopt,
     {2000, 2000},
     {0, 0, 800, 600},
     {0, 0, 800, 600}},
    {"MainTitleBarAboveTheScreen",
     {100, -50, 487, 386},
     std::nullopt,
     {736, 759},
     {0, 0, 1920, 1040},
     {595, 0, 736, 759}},
};

class OpenPlaceTest : public testing::TestWithParam<Opening> {};

TEST_P(OpenPlaceTest, StaysWholeOnTheMainWindowsWorkArea)
{
    const Opening& row = GetParam();
    EXPECT_EQ(OpenPlace(row.main, row.solution, row.wanted, row.workArea), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, OpenPlaceTest, testing::ValuesIn(Openings),
                         [](const testing::TestParamInfo<Opening>& info) {
                             return std::string(info.param.name);
                         });

TEST(FittedMinimumTest, ShrinksOnlyWhereTheWorkAreaIsSmaller)
{
    EXPECT_EQ(FittedMinimum({776, 676}, {0, 0, 1920, 1040}), (Size{776, 676}));
    EXPECT_EQ(FittedMinimum({776, 676}, {0, 0, 1093, 614}), (Size{776, 614}));
    EXPECT_EQ(FittedMinimum({776, 676}, {0, 0, 640, 480}), (Size{640, 480}));
}

} // namespace
} // namespace triangle::placement
