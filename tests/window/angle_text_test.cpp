#include "tests/regions.h"
#include "window/text/angle_text.h"

#include <gtest/gtest.h>

namespace {

struct WrittenAngle {
    const char* name;
    double degrees;
    const char* field; // in the Bulgarian region
    const char* named; // as the drawing and the steps name α
};

// Worked by hand: minutes = degrees·60, rounded half up.
const WrittenAngle writtenAngles[] = {
    // atan(7/24): 16,26020°, 0,26020·60 = 15,61′.
    {"LegsSevenAndTwentyFour", 16.260204708311957, "16°16′ (16,260°)", "α ≈ 16°16′"},
    // 0,8699·60 = 52,19′.
    {"ThreeFourFive", 36.86989764584402, "36°52′ (36,870°)", "α ≈ 36°52′"},
    // 0,13010·60 = 7,81′: minutes written without a leading zero.
    {"OneDigitMinutes", 53.13010235415598, "53°8′ (53,130°)", "α ≈ 53°8′"},
    // 0,9926·60 = 59,556′ rounds to 60′: the next degree.
    {"MinutesCarry", 10.9926, "11°0′ (10,993°)", "α ≈ 11°0′"},
    // 0,004·60 = 0,24′.
    {"NoMinutes", 40.004, "40°0′ (40,004°)", "α ≈ 40°0′"},
    // 36°52,49′: 0,874833·60 = 52,49′, just below the half minute.
    {"JustBelowHalfAMinute", 36.0 + 52.49 / 60.0, "36°52′ (36,875°)", "α ≈ 36°52′"},
    // 36,875 = 36 + 7/8: 52,5′ exactly, rounded up.
    {"HalfAMinute", 36.875, "36°53′ (36,875°)", "α ≈ 36°53′"},
    // A whole degree that is no special angle keeps its minutes.
    {"WholeDegreeNotSpecial", 40.0, "40°0′ (40,000°)", "α ≈ 40°0′"},
    {"TangentOnlyAngle", 22.5, "22°30′ (22,500°)", "α ≈ 22°30′"},
    // asin(1/2) in doubles lies one unit in the last place above 30.
    {"SpecialFromTheSides", 30.000000000000004, "30°", "α = 30°"},
    {"SpecialFortyFive", 45.0, "45°", "α = 45°"},
    {"SpecialSeventyFive", 75.0, "75°", "α = 75°"},
    // A tenth of a thousandth off 60° is no special angle: 59,9999·60 = 5 999,994′.
    {"NearSpecialCarries", 59.9999, "60°0′ (60,000°)", "α ≈ 60°0′"},
};

class AngleText : public testing::TestWithParam<WrittenAngle> {};

TEST_P(AngleText, WritesDegreesAndMinutesWithTheDecimalOrASpecialAnglePlainly)
{
    const WrittenAngle& c = GetParam();
    EXPECT_EQ(triangle::AngleFieldText(c.degrees, regions::bgBG()), c.field);
    EXPECT_EQ(triangle::NamedAngle("α", c.degrees), c.named);
}

INSTANTIATE_TEST_SUITE_P(Angles, AngleText, testing::ValuesIn(writtenAngles),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
