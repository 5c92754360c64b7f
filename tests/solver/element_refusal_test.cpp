#include "solver/element/element_solver.h"
#include "tests/regions.h"

#include <gtest/gtest.h>

#include <optional>

using triangle::Element;
using triangle::ElementRefusalReason;
using triangle::FieldTextProblem;
using triangle::ReadAngleStrictly;
using triangle::SolveElementValues;

namespace {

// Pairs that say one fact twice or name one element twice, and values that no element
// can have, refused before any formula with the field to correct.
struct Refused {
    const char* name;
    Element first;
    double x;
    Element second;
    double y;
    ElementRefusalReason reason;
    Element field;
};

TEST(ElementRefusals, PairsThatSayOneFactTwiceAndValuesNoElementHasAreRefused)
{
    const Refused cases[] = {
        {"anglesOnlyTheShape", Element::alpha, 30, Element::beta, 60,
         ElementRefusalReason::OnlyTheShape, Element::beta},
        {"hypotenuseAndCircumradiusOnlyTheSize", Element::R, 5, Element::c, 10,
         ElementRefusalReason::OnlyTheSize, Element::c},
        {"sameElementTwice", Element::h, 2, Element::h, 2, ElementRefusalReason::SameElement,
         Element::h},
        {"zeroLeg", Element::a, 0, Element::c, 5, ElementRefusalReason::NotPositive, Element::a},
        {"negativeRadius", Element::c, 5, Element::r, -1, ElementRefusalReason::NotPositive,
         Element::r},
        {"rightAngle", Element::c, 5, Element::beta, 90, ElementRefusalReason::Bound,
         Element::beta},
        // The legs' squares leave the doubles: the legs would come out 0.
        {"tooSmall", Element::h, 1e-240, Element::b1, 1e-240, ElementRefusalReason::ResultTooSmall,
         Element::h},
    };
    for (const Refused& c : cases) {
        const auto solved = SolveElementValues(c.first, c.x, c.second, c.y);
        ASSERT_FALSE(solved.ok()) << c.name;
        EXPECT_EQ(solved.fault().reason, c.reason) << c.name;
        EXPECT_EQ(solved.fault().field, c.field) << c.name;
    }
}

// Each bound from both sides: just inside it a triangle, on it (flat bounds) or just past
// it beyond typing a refusal naming the bound and its value, worked by hand.
struct BoundCase {
    const char* name;
    Element first;
    double x;
    Element second;
    double inside;
    double outside;
    triangle::ElementBound bound;
    Element field;
    double boundValue;
};

TEST(ElementRefusals, EachBoundHoldsFromBothSides)
{
    using B = triangle::ElementBound;
    const BoundCase cases[] = {
        {"legBelowHypotenuse", Element::c, 5, Element::b, 4.999, 5, B::LegBelowHypotenuse,
         Element::b, 5},
        {"heightBelowLeg", Element::a, 6, Element::h, 5.999, 6, B::HeightBelowLeg, Element::h, 6},
        {"inradiusBelowHalfLeg", Element::a, 6, Element::r, 2.999, 3, B::InradiusBelowHalfLeg,
         Element::r, 3},
        {"perimeterAboveTwiceProjection", Element::a1, 5, Element::P, 10.001, 10,
         B::PerimeterAboveTwiceProjection, Element::P, 10},
        {"perimeterAboveFourCircumradii", Element::R, 5, Element::P, 20.001, 20,
         B::PerimeterAboveFourCircumradii, Element::P, 20},
        {"inradiusBelowHalfHeight", Element::h, 4, Element::r, 1.999, 2, B::InradiusBelowHalfHeight,
         Element::r, 2},
        {"heightAtMostHalfHypotenuse", Element::c, 10, Element::h, 5.0005, 5.002,
         B::HeightAtMostHalfHypotenuse, Element::h, 5},
        {"areaAtLeastHeightSquare", Element::h, 3, Element::S, 8.998, 8.99,
         B::AreaAtLeastHeightSquare, Element::S, 9},
        {"inradiusAtLeastHeightShare", Element::h, 10, Element::r, 4.1416, 4.13,
         B::InradiusAtLeastHeightShare, Element::r, 4.142135623730950},
        {"inradiusAtMostCircumradiusShare", Element::R, 10, Element::r, 4.1426, 4.15,
         B::InradiusAtMostCircumradiusShare, Element::r, 4.142135623730950},
        {"areaAtLeastInradiusShare", Element::r, 1, Element::S, 5.8279, 5.82,
         B::AreaAtLeastInradiusShare, Element::S, 5.828427124746190},
        {"perimeterAtMostCircumradiusShare", Element::R, 1, Element::P, 4.829, 4.84,
         B::PerimeterAtMostCircumradiusShare, Element::P, 4.828427124746190},
    };
    for (const BoundCase& c : cases) {
        EXPECT_TRUE(SolveElementValues(c.first, c.x, c.second, c.inside).ok()) << c.name;
        const auto refused = SolveElementValues(c.first, c.x, c.second, c.outside);
        ASSERT_FALSE(refused.ok()) << c.name;
        EXPECT_EQ(refused.fault().reason, ElementRefusalReason::Bound) << c.name;
        EXPECT_EQ(refused.fault().bound, c.bound) << c.name;
        EXPECT_EQ(refused.fault().field, c.field) << c.name;
        ASSERT_TRUE(refused.fault().boundValue.has_value()) << c.name;
        EXPECT_NEAR(*refused.fault().boundValue, c.boundValue, 1e-12) << c.name;
    }
}

struct AngleText {
    const char* text;
    std::optional<double> degrees; // none: refused
};

TEST(AngleReading, TakesDegreesWithOrWithoutTheSignAndDegreesWithMinutes)
{
    const AngleText cases[] = {
        {"30", 30.0},
        {"30°", 30.0},
        {" 30,5° ", 30.5},
        {"36°52′", 36.0 + 52.0 / 60},
        {"36°52'", 36.0 + 52.0 / 60},
        {"36° 52′", 36.0 + 52.0 / 60},
        {"36°52", std::nullopt},
        {"36,5°52′", std::nullopt},
        {"36°60′", std::nullopt},
        {"°", std::nullopt},
        {"30°°", std::nullopt},
        {"30,5", 30.5},
        {"", std::nullopt},
        // Without a degree key: the minute sign parts degrees from minutes.
        {"36 52′", 36.0 + 52.0 / 60},
        {"36 52'", 36.0 + 52.0 / 60},
        {" 7  5′ ", 7.0 + 5.0 / 60},
        {"36 52", std::nullopt}, // a number with a blank, not degrees and minutes
        {"52′", std::nullopt},
        {"36 60′", std::nullopt},
        {"36,5 52′", std::nullopt},
        // The window's own form, read by its degrees and minutes.
        {"16°16′ (16,260°)", 16.0 + 16.0 / 60},
        {"16°16' (16,26°)", 16.0 + 16.0 / 60},
        {"16 16′ (16,260°)", 16.0 + 16.0 / 60},
        {"16°16′(16,2602°)", 16.0 + 16.0 / 60},
        // 16°16′ stands for 16,2583° to 16,2750°; with the decimal's half thousandth, 16,2578°
        // to 16,2755°.
        {"16°16′ (16,257°)", std::nullopt},
        {"16°16′ (16,276°)", std::nullopt},
        {"16°16′ (20,000°)", std::nullopt},
        {"16°16′ (16,260)", std::nullopt},
        {"16° (16,000°)", std::nullopt},
        {"16°16′ 16,260°)", std::nullopt},
        {"(16,260°)", std::nullopt},
    };
    for (const AngleText& c : cases) {
        const auto read = ReadAngleStrictly(c.text, regions::bgBG());
        ASSERT_EQ(read.ok(), c.degrees.has_value()) << c.text;
        if (c.degrees) {
            EXPECT_DOUBLE_EQ(read.value(), *c.degrees) << c.text;
        }
    }
    const auto typed = triangle::SolveElements(Element::c, "10", Element::alpha, "30°");
    ASSERT_TRUE(typed.ok());
    EXPECT_NEAR(typed.value().a, 5.0, 1e-12);
}

} // namespace
