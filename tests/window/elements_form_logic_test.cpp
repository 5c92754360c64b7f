#include "tests/given_pair.h"
#include "window/elements/elements_form_logic.h"

#include "tests/regions.h"
#include "tests/window/fake_elements_controls.h"
#include "window/drawing/solution_drawing.h"
#include "window/elements/given_text.h"
#include "window/text/ui_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using triangle::Element;
using Texts = std::array<std::string, triangle::ElementCount>;

// The whole triangle of legs 6 and 8, worked by hand: c = 10, tg α = 3/4 (α = 36,8699° =
// 36°52,19′, β = 53,1301° = 53°7,81′), h = 6·8/10, a₁ = 6²/10, b₁ = 8²/10, r = (6 + 8 − 10)/2,
// R = c/2; sin α = 6/10, cos α = 8/10, tg α = 6/8, cotg α = 8/6, the β ones swapped. Exact
// values are shown as they are; the given ones as typed.
using Measured = std::array<std::string, triangle::MeasuredElementCount>;
using Trigonometric = std::array<std::string, 8>;

Texts joined(const Measured& measured, const Trigonometric& trigonometric)
{
    Texts all;
    std::copy(measured.begin(), measured.end(), all.begin());
    std::copy(trigonometric.begin(), trigonometric.end(), all.begin() + measured.size());
    return all;
}

// 3:4:5, all exact.
const Trigonometric trigonometricOf345 = {"0.6", "0.8", "0.75",        "4/3 ≈ 1.333",
                                          "0.8", "0.6", "4/3 ≈ 1.333", "0.75"};
// sin α = 1/2, cos α = √3/2, tg α = 1/√3 = √3/3, cotg α = √3 (α = 30°); the β ones swapped.
const Trigonometric trigonometricOf30 = {"0.5",        "√3/2 ≈ 0.866", "√3/3 ≈ 0.577",
                                         "√3 ≈ 1.732", "√3/2 ≈ 0.866", "0.5",
                                         "√3 ≈ 1.732", "√3/3 ≈ 0.577"};
// The same of 60°.
const Trigonometric trigonometricOf60 = {"√3/2 ≈ 0.866", "0.5",       "√3 ≈ 1.732",
                                         "√3/3 ≈ 0.577", "0.5",       "√3/2 ≈ 0.866",
                                         "√3/3 ≈ 0.577", "√3 ≈ 1.732"};

const Texts legs6and8 = joined({"6", "8", "10", "36°52′ (36.870°)", "53°8′ (53.130°)", "4.8", "3.6",
                                "6.4", "24", "24", "2", "5"},
                               trigonometricOf345);

struct TextbookCase : GivenPair<const char*> {
    Texts expected;
};

std::ostream& operator<<(std::ostream& out, const TextbookCase& c)
{
    return out << c.name;
}

const TextbookCase textbookCases[] = {
    {"TwoLegs", Element::a, "6", Element::b, "8", legs6and8},
    // a = c·sin 30° = 5, b = c·cos 30° = 5√3 = 8.66025, h = ab/c = 5√3/2 = 4.33013,
    // a₁ = a²/c = 2.5, S = ab/2 = 25√3/2 = 21.65064, P = 15 + 5√3 = 23.66025,
    // r = (a + b − c)/2 = (5√3 − 5)/2 = 1.83013.
    {"HypotenuseAndAngle", Element::c, "10", Element::alpha, "30",
     joined({"5", "5√3 ≈ 8.660", "10", "30°", "60°", "5√3/2 ≈ 4.330", "2.5", "7.5",
             "25√3/2 ≈ 21.651", "15 + 5√3 ≈ 23.660", "(5√3 − 5)/2 ≈ 1.830", "5"},
            trigonometricOf30)},
    // c = 9 + 16, a = √(9·25), b = √(16·25), h = √(9·16).
    {"Projections", Element::a1, "9", Element::b1, "16",
     joined({"15", "20", "25", "36°52′ (36.870°)", "53°8′ (53.130°)", "12", "9", "16", "150", "60",
             "5", "12.5"},
            trigonometricOf345)},
    // 4.8²·(36 + b²) = 36·b² gives b = 8.
    {"LegAndHeight", Element::a, "6", Element::h, "4.8", legs6and8},
    // a + b = c + 2r = 14 and a² + b² = 100 give ab = 48: the legs 6 and 8, a the shorter.
    {"InradiusAndHypotenuse", Element::c, "10", Element::r, "2", legs6and8},
    {"AngleTypedWithItsSign", Element::alpha, "30°", Element::c, "10",
     joined({"5", "5√3 ≈ 8.660", "10", "30°", "60°", "5√3/2 ≈ 4.330", "2.5", "7.5",
             "25√3/2 ≈ 21.651", "15 + 5√3 ≈ 23.660", "(5√3 − 5)/2 ≈ 1.830", "5"},
            trigonometricOf30)},
    // Typed exactly. sin 60° = √3/2: c = a / sin α = 2√3 / (√3/2) = 4, b = c·cos 60° = 2,
    // h = ab/c = √3, a₁ = a²/c = 3, S = ab/2 = 2√3, P = 6 + 2√3, r = (a + b − c)/2 = √3 − 1.
    {"RootAndAngle", Element::a, "2*sqrt(3)", Element::alpha, "60",
     joined({"2√3", "2", "4", "60°", "30°", "√3 ≈ 1.732", "3", "1", "2√3 ≈ 3.464",
             "6 + 2√3 ≈ 9.464", "√3 − 1 ≈ 0.732", "2"},
            trigonometricOf60)},
    // Legs 3/5 and 4/5: c = 1, h = 12/25, a₁ = 9/25, b₁ = 16/25, S = 6/25, P = 12/5,
    // r = (3/5 + 4/5 − 1)/2 = 1/5.
    {"Fractions", Element::a, "3/5", Element::b, "4/5",
     joined({"3/5", "4/5", "1", "36°52′ (36.870°)", "53°8′ (53.130°)", "0.48", "0.36", "0.64",
             "0.24", "2.4", "0.2", "0.5"},
            trigonometricOf345)},
    // 3,464 stands for a rounded 2√3 and gives decimals alone: c = 3,464/sin 60° = 3,99988,
    // b = 1,99994, a₁ = 2,99991, P = 9,46382.
    {"ThreeDecimalsGiveDecimals", Element::a, "3.464", Element::alpha, "60",
     joined({"3.464", "2.000", "4.000", "60°", "30°", "1.732", "3.000", "1.000", "3.464", "9.464",
             "0.732", "2.000"},
            {"0.866", "0.500", "1.732", "0.577", "0.500", "0.866", "0.577", "1.732"})},
};

class ElementsTextbook : public testing::TestWithParam<TextbookCase> {};

TEST_P(ElementsTextbook, TwoGivenFillTheOthersAsComputed)
{
    const TextbookCase& c = GetParam();
    FakeElementsControls window;
    window.logic.Form_Load();
    window.type(c.first, c.firstText);
    window.type(c.second, c.secondText);
    window.logic.Calculate();

    EXPECT_TRUE(window.messages.empty());
    for (int i = 0; i < triangle::ElementCount; ++i) {
        const auto element = static_cast<Element>(i);
        // The cases give the first twenty; the medians' and bisectors' texts are checked by
        // the copied text below.
        if (!triangle::IsCevian(element)) {
            EXPECT_EQ(window.texts[i], c.expected[i]) << triangle::ElementSymbol(element);
        }
        EXPECT_EQ(window.computed[i], element != c.first && element != c.second)
            << triangle::ElementSymbol(element);
    }
    ASSERT_TRUE(window.page.triangle.has_value());
    EXPECT_EQ(window.page.projections, c.first == Element::h || c.first == Element::a1 ||
                                           c.second == Element::h || c.second == Element::a1 ||
                                           c.second == Element::b1);

    // The texts written back give the same triangle again.
    const Texts shown = window.texts;
    window.logic.Calculate();
    EXPECT_EQ(window.texts, shown);
}

INSTANTIATE_TEST_SUITE_P(Problems, ElementsTextbook, testing::ValuesIn(textbookCases),
                         [](const auto& info) { return std::string(info.param.name); });

class ElementsLogic : public testing::Test {
protected:
    void SetUp() override { window.logic.Form_Load(); }
    void solveLegs()
    {
        window.type(Element::a, "6");
        window.type(Element::b, "8");
        window.logic.Calculate();
    }
    bool noneComputed() const
    {
        for (bool computed : window.computed)
            if (computed)
                return false;
        return true;
    }
    int filledCount() const
    {
        int count = 0;
        for (const std::string& text : window.texts)
            count += text.empty() ? 0 : 1;
        return count;
    }

    FakeElementsControls window;
};

TEST_F(ElementsLogic, LoadingLeavesEveryFieldEmptyAndOpenWithAHint)
{
    EXPECT_EQ(filledCount(), 0);
    EXPECT_TRUE(noneComputed());
    EXPECT_FALSE(window.page.triangle.has_value());
    EXPECT_EQ(window.page.steps, triangle::texts::ElementsHint);
}

TEST_F(ElementsLogic, EditingAGivenFieldEmptiesTheComputedAndOpensAllTwenty)
{
    solveLegs();
    ASSERT_EQ(filledCount(), 25);
    EXPECT_FALSE(window.type(Element::c, "11")) << "a computed field takes no typing";

    window.type(Element::a, "6.5");
    EXPECT_EQ(filledCount(), 2);
    EXPECT_EQ(window.texts[0], "6.5");
    EXPECT_EQ(window.texts[1], "8");
    EXPECT_TRUE(noneComputed());
    EXPECT_FALSE(window.page.triangle.has_value());
    EXPECT_FALSE(window.logic.Given().has_value());
}

TEST_F(ElementsLogic, ClearEmptiesAllTwelve)
{
    solveLegs();
    window.logic.Clear();
    EXPECT_EQ(filledCount(), 0);
    EXPECT_TRUE(noneComputed());
    EXPECT_FALSE(window.page.triangle.has_value());
}

struct CountCase {
    const char* name;
    std::vector<Element> filled;
    const char* expected;
};

TEST_F(ElementsLogic, OtherThanTwoFilledSaysWhichAndChangesNothing)
{
    const CountCase cases[] = {
        {"none", {}, triangle::texts::ElementsNoneFilled},
        {"one", {Element::h}, "Попълнено е само полето „височина към хипотенузата h“."},
        {"three",
         {Element::a, Element::b, Element::R},
         "Попълнени са 3 полета: „катет a“, „катет b“ и „радиус на описаната окръжност R "
         "(медиана към хипотенузата m_c = R)“."},
    };
    for (const CountCase& c : cases) {
        window.logic.Clear();
        window.messages.clear();
        for (Element element : c.filled)
            window.type(element, "3");
        const auto before = window.texts;
        const int writes = window.writes;
        window.logic.Calculate();
        ASSERT_EQ(window.messages.size(), 1u) << c.name;
        EXPECT_EQ(window.messages[0].first, triangle::texts::ElementsCountTitle) << c.name;
        EXPECT_NE(window.messages[0].second.find(c.expected), std::string::npos)
            << c.name << ": " << window.messages[0].second;
        EXPECT_EQ(window.texts, before) << c.name;
        EXPECT_EQ(window.writes, writes) << c.name;
        EXPECT_TRUE(noneComputed()) << c.name;
    }
}

struct RefusalCase : GivenPair<const char*> {
    const char* expectedPart; // of the message, worked by hand
    Element focus;
};

TEST_F(ElementsLogic, ARefusalIsExplainedAndFocusesTheFieldToCorrect)
{
    // The second of two angles is the one to replace, as the message asks.
    const RefusalCase cases[] = {
        // h ≤ c/2 = 5
        {"HeightAboveHalfHypotenuse", Element::c, "10", Element::h, "6", "c/2", Element::h},
        {"NoNumber", Element::a, "6", Element::b, "abc", "„abc“", Element::b},
        {"OnlyTheShape", Element::alpha, "30", Element::beta, "60", "α\u00A0+\u00A0β",
         Element::beta},
        {"NotPositive", Element::a, "-3", Element::b, "4", "-3", Element::a},
    };
    for (const RefusalCase& c : cases) {
        window.logic.Clear();
        window.messages.clear();
        window.focused = -1;
        window.type(c.first, c.firstText);
        window.type(c.second, c.secondText);
        window.logic.Calculate();
        ASSERT_EQ(window.messages.size(), 1u) << c.name;
        EXPECT_EQ(window.messages[0].first, triangle::texts::RefusalTitle) << c.name;
        EXPECT_NE(window.messages[0].second.find(c.expectedPart), std::string::npos)
            << c.name << ": " << window.messages[0].second;
        EXPECT_EQ(window.focused, static_cast<int>(c.focus)) << c.name;
        EXPECT_EQ(filledCount(), 2) << c.name << ": the typed texts stay, nothing is added";
        EXPECT_EQ(window.text(c.second), c.secondText) << c.name;
        EXPECT_TRUE(noneComputed()) << c.name;
        EXPECT_FALSE(window.page.triangle.has_value()) << c.name;
        EXPECT_NE(window.page.steps.find(window.messages[0].second), std::string::npos) << c.name;
        EXPECT_TRUE(window.announcements.empty()) << c.name;
    }
}

TEST_F(ElementsLogic, TheHeightAboveHalfTheHypotenuseNamesTheBound)
{
    window.type(Element::c, "10");
    window.type(Element::h, "6");
    window.logic.Calculate();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].second.find("5.000"), std::string::npos)
        << window.messages[0].second;
}

TEST_F(ElementsLogic, OpeningFromARowTypesItsTwoValuesAndFocusesA)
{
    solveLegs();
    window.logic.OpenWith(Element::c, "5.000", Element::S, "6.000");
    Texts expected{};
    expected[2] = "5.000";
    expected[8] = "6.000";
    EXPECT_EQ(window.texts, expected);
    EXPECT_TRUE(noneComputed());
    EXPECT_EQ(window.focused, static_cast<int>(Element::a));
    EXPECT_FALSE(window.page.triangle.has_value());
}

TEST_F(ElementsLogic, ACalculationAnnouncesTheSidesAnglesAreaAndPerimeterNotGiven)
{
    solveLegs();
    ASSERT_EQ(window.announcements.size(), 1u);
    EXPECT_EQ(window.announcements[0],
              "Изчислено: c = 10, α = 36°52′ (36.870°), β = 53°8′ (53.130°), S = 24, P = 24");
}

TEST_F(ElementsLogic, CopyTextHasTheTwentyOneALineThenTheSteps)
{
    solveLegs();
    const std::string text = window.logic.CopyText();
    EXPECT_EQ(text.substr(0, text.find("\n\n")),
              "a = 6\nb = 8\nc = 10\nα = 36°52′ (36.870°)\nβ = 53°8′ (53.130°)\nh = 4.8\n"
              "a₁ = 3.6\nb₁ = 6.4\nS = 24\nP = 24\nr = 2\nR = 5\nsin α = 0.6\ncos α = 0.8\n"
              "tg α = 0.75\ncotg α = 4/3 ≈ 1.333\nsin β = 0.8\ncos β = 0.6\ntg β = 4/3 ≈ 1.333\n"
              "cotg β = 0.75\n"
              // m_a = √(8² + 6²/4) = √73, m_b = √(6² + 8²/4) = √52, l_a = 8·√(20/18),
              // l_b = 6·√(20/16), l_c = 6·8·√2/14.
              "m_a = √73 ≈ 8.544\nm_b = 2√13 ≈ 7.211\nl_a = 8√10/3 ≈ 8.433\nl_b = 3√5 ≈ 6.708\n"
              "l_c = 24√2/7 ≈ 4.849");
    EXPECT_EQ(text.substr(text.find("\n\n") + 2), window.page.steps);
}

TEST_F(ElementsLogic, GivenValuesAreWrittenInTheRegion)
{
    window.region = regions::bgBG();
    window.type(Element::c, "10");
    window.type(Element::alpha, "30");
    window.logic.Calculate();
    EXPECT_EQ(window.texts[2], "10");
    EXPECT_EQ(window.texts[3], "30°");
    EXPECT_EQ(window.texts[1], "5√3 ≈ 8,660");
}

TEST_F(ElementsLogic, AnglesShowInDegreesAndMinutesAndReadBackAsTheSameTriangle)
{
    // Legs 7 and 24: c = 25, sin α = 7/25, α = 16,26020° = 16°15,61′, β = 73,73980° = 73°44,39′.
    window.region = regions::bgBG();
    window.type(Element::a, "7");
    window.type(Element::b, "24");
    window.logic.Calculate();
    EXPECT_EQ(window.texts[3], "16°16′ (16,260°)");
    EXPECT_EQ(window.texts[4], "73°44′ (73,740°)");
    const std::string steps = window.page.steps;
    EXPECT_NE(steps.find("\ntg α = a / b = 7/24 ⇒ α ≈ 16°16′\n"), std::string::npos) << steps;
    ASSERT_TRUE(window.page.triangle.has_value());
    const auto drawn = triangle::drawing::DrawSolution(
        *window.page.triangle, 640, 480, 1.0, window.region, triangle::drawing::EstimateText,
        window.page.projections, window.page.angleMinutes);
    std::vector<std::string> angleLabels;
    for (const auto& label : drawn.labels)
        if (label.part == triangle::drawing::Part::AngleAlpha ||
            label.part == triangle::drawing::Part::AngleBeta)
            angleLabels.push_back(label.text);
    EXPECT_EQ(angleLabels, (std::vector<std::string>{"α ≈ 16°16′", "β ≈ 73°44′"}));

    // The field's text typed back with one leg is read as 16°16′ = 16,26667°: b = 7/tg α and
    // c = 7/sin α move by at most 7/sin²α · (half a minute in radians) = 89,3 · 0,000145 =
    // 0,013 from 24 and 25; β = 90° − 16°16′ = 73°44′ = 73,7333°.
    const std::string shown = window.texts[3];
    window.logic.Clear();
    window.type(Element::a, "7");
    window.type(Element::alpha, shown);
    window.logic.Calculate();
    ASSERT_TRUE(window.page.triangle.has_value());
    EXPECT_NEAR(window.page.triangle->b, 24.0, 0.013);
    EXPECT_NEAR(window.page.triangle->c, 25.0, 0.013);
    EXPECT_EQ(window.texts[3], "16°16′ (16,260°)");
    EXPECT_EQ(window.texts[4], "73°44′ (73,733°)");
}

struct GivenTextCase {
    const char* name;
    const char* typed;
    double value;
    bool angle;
    triangle::NumberFormat region;
    const char* expected;
};

class GivenText : public testing::TestWithParam<GivenTextCase> {};

TEST_P(GivenText, KeepsAtLeastThreeDecimalsAndNeverFewerThanTyped)
{
    const GivenTextCase& c = GetParam();
    EXPECT_EQ(triangle::GivenFieldText(c.typed, c.value, c.angle, c.region), c.expected);
}

const GivenTextCase givenTextCases[] = {
    {"Whole", "6", 6.0, false, regions::enUS(), "6.000"},
    {"OneDecimal", "4.8", 4.8, false, regions::enUS(), "4.800"},
    {"FourDecimals", "1.2345", 1.2345, false, regions::enUS(), "1.2345"},
    {"FourDecimalsBulgarian", "1,2345", 1.2345, false, regions::bgBG(), "1,2345"},
    {"PeriodInBulgarian", "1.2345", 1.2345, false, regions::bgBG(), "1,2345"},
    {"GroupedBulgarian", "12 345,6789", 12345.6789, false, regions::bgBG(), "12\u00A0345,6789"},
    {"GermanGroupsWithThePeriod", "1.234,56789", 1234.56789, false, regions::deDE(), "1.234,56789"},
    {"Exponent", "1.5e-3", 0.0015, false, regions::enUS(), "0.0015"},
    {"BelowOne", "0.12345", 0.12345, false, regions::enUS(), "0.12345"},
    {"Angle", "30", 30.0, true, regions::enUS(), "30.000°"},
    {"AngleWithFiveDecimals", "36,86990°", 36.8699, true, regions::bgBG(), "36,86990°"},
    {"AngleInMinutesKeepsItsText", "36°52′", 36.0 + 52.0 / 60.0, true, regions::bgBG(), "36°52′"},
};

INSTANTIATE_TEST_SUITE_P(Texts, GivenText, testing::ValuesIn(givenTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
