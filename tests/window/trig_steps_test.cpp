#include "window/solution/solution_steps.h"

#include "solver/exact/exact_number.h"
#include "tests/lines_of.h"
#include "tests/regions.h"
#include "tests/window/fake_elements_controls.h"
#include "window/text/refusal_message.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace triangle;

namespace {

// sin α = 5/13 and c = 26, worked by hand: cos α = √(1 − 25/169) = √(144/169) = 12/13, then
// a = 26·5/13 = 10 and b = 26·12/13 = 24, each exactly.
TEST(TrigonometricSteps, SineWithHypotenuseGivesTheLegsExactly)
{
    const ExactNumber fiveThirteenths = ExactNumber::integer(5) / ExactNumber::integer(13);
    const SolutionPage page =
        ElementSolutionPageOf({Element::sinAlpha, 5.0 / 13.0, fiveThirteenths},
                              {Element::c, 26.0, ExactNumber::integer(26)}, {}, regions::bgBG());
    const std::vector<std::string> lines = linesOf(page.steps);
    for (const char* line : {"cos α = √(1 − sin²α) = √(1 − (5/13)²) = √(144/169) = 12/13 ≈ 0,923",
                             "sin α = a / c ⇒ a = c·sin α = 26·5/13 = 10",
                             "cos α = b / c ⇒ b = c·cos α = 26·12/13 = 24"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end())
            << "no line " << line << "\n"
            << page.steps;
}

// The legs 7 and 24 typed in the window: the eight trigonometric values shown computed, each
// exactly as a book writes it, a fraction with its decimal: sin α = 7/25 = 0,28 (c = 25).
TEST(TrigonometricSteps, WindowShowsTheTrigonometricValuesOfTwoLegs)
{
    FakeElementsControls window;
    window.region = regions::bgBG();
    window.logic.Form_Load();
    window.type(Element::a, "7");
    window.type(Element::b, "24");
    window.logic.Calculate();
    ASSERT_TRUE(window.messages.empty()) << window.messages.front().second;
    const std::pair<Element, const char*> shown[] = {
        {Element::sinAlpha, "0,28"},        {Element::cosAlpha, "0,96"},
        {Element::tgAlpha, "7/24 ≈ 0,292"}, {Element::cotgAlpha, "24/7 ≈ 3,429"},
        {Element::sinBeta, "0,96"},         {Element::cosBeta, "0,28"},
        {Element::tgBeta, "24/7 ≈ 3,429"},  {Element::cotgBeta, "7/24 ≈ 0,292"}};
    for (const auto& [element, text] : shown) {
        EXPECT_EQ(window.texts[FakeElementsControls::at(element)], text) << ElementSymbol(element);
        EXPECT_TRUE(window.computed[FakeElementsControls::at(element)]);
    }
}

// A trigonometric value given: written back as typed in the book's form, the legs from it.
TEST(TrigonometricSteps, WindowSolvesATypedTangentWithALeg)
{
    FakeElementsControls window;
    window.region = regions::bgBG();
    window.logic.Form_Load();
    window.type(Element::tgAlpha, "0,75");
    window.type(Element::b, "8");
    window.logic.Calculate();
    ASSERT_TRUE(window.messages.empty()) << window.messages.front().second;
    EXPECT_EQ(window.texts[FakeElementsControls::at(Element::tgAlpha)], "0,75");
    EXPECT_EQ(window.texts[FakeElementsControls::at(Element::a)], "6");
    EXPECT_EQ(window.texts[FakeElementsControls::at(Element::c)], "10");
    EXPECT_EQ(window.texts[FakeElementsControls::at(Element::sinAlpha)], "0,6");
    EXPECT_EQ(window.texts[FakeElementsControls::at(Element::cotgAlpha)], "4/3 ≈ 1,333");
}

} // namespace

// Two trigonometric values that contradict each other are refused in words that say why; a
// sine of 1 with its bound.
TEST(TrigonometricSteps, RefusalsSayWhyInWords)
{
    const auto contradicting =
        SolveElements(Element::sinAlpha, "0,6", Element::cosAlpha, "0,5", regions::bgBG());
    ASSERT_FALSE(contradicting.ok());
    const std::string words =
        ElementRefusalMessage(contradicting.fault(), "0,6", "0,5", regions::bgBG());
    EXPECT_NE(
        words.find("sin α\u00A0=\u00A00,600 и cos α\u00A0=\u00A00,500: двете стойности задават "
                   "различни ъгли"),
        std::string::npos)
        << words;
    EXPECT_NE(words.find("sin²α\u00A0+\u00A0cos²α\u00A0=\u00A01"), std::string::npos) << words;

    const auto right = SolveElements(Element::sinAlpha, "1", Element::c, "5", regions::bgBG());
    ASSERT_FALSE(right.ok());
    const std::string bound = ElementRefusalMessage(right.fault(), "1", "5", regions::bgBG());
    EXPECT_NE(bound.find("sin\u00A0α\u00A0<\u00A01\u00A0=\u00A01,000"), std::string::npos) << bound;
}
