#include "tests/given_pair.h"
#include "window/solution/solution_steps.h"

#include "tests/lines_of.h"
#include "tests/regions.h"
#include "window/text/refusal_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace triangle;

namespace {

// One pair of each family of formulas, its steps worked by hand; last the trigonometric
// values of both angles, a ratio of the sides each (3/5 = 0,600 and 4/3 = 1,333 for the
// legs 3 and 4 and their multiples; 1/2, √3/2 = 0,866, √3/3 = 0,577 and √3 = 1,732 for 30°;
// √2/2 = 0,707 and 1 for 45°).
struct ElementStepsCase {
    const char* name;
    Element first;
    double x;
    Element second;
    double y;
    bool projections; // the drawing shows the height's foot and the projections
    std::vector<std::string> lines;
};

class ElementSteps : public testing::TestWithParam<ElementStepsCase> {};

TEST_P(ElementSteps, WriteThePairsFormulasThenTheRestWithTheNumbersPutIn)
{
    const ElementStepsCase& c = GetParam();
    const SolutionPage page =
        ElementSolutionPageOf(c.first, c.x, c.second, c.y, {}, regions::bgBG(), false);
    // The cases leave out the medians and bisectors, the five lines before the last two, the
    // trigonometric values of α and of β.
    std::vector<std::string> lines = linesOf(page.steps);
    ASSERT_GE(lines.size(), 7u);
    lines.erase(lines.end() - 7, lines.end() - 2);
    EXPECT_EQ(lines, c.lines);
    ASSERT_TRUE(page.triangle.has_value());
    EXPECT_EQ(page.projections, c.projections);
}

const char* const rest = "Останалите елементи на триъгълника:";

const ElementStepsCase elementStepsCases[] = {
    {"legAndHeight",
     Element::a,
     6,
     Element::h,
     4.8,
     true,
     {"Дадени: a = 6,000 и h = 4,800.",
      "a₁ = √((a − h)·(a + h)) = √((6,000 − 4,800)·(6,000 + 4,800)) = 3,600",
      "c = a² / a₁ = 6,000² / 3,600 = 10,000", "b = a·h / a₁ = 6,000·4,800 / 3,600 = 8,000", rest,
      "tg α = a / b = 6,000 / 8,000 = 0,750 ⇒ α ≈ 36°52′",
      "tg β = b / a = 8,000 / 6,000 = 1,333 ⇒ β ≈ 53°8′", "b₁ = b² / c = 8,000² / 10,000 = 6,400",
      "S = a·b / 2 = 6,000·8,000 / 2 = 24,000", "P = a + b + c = 6,000 + 8,000 + 10,000 = 24,000",
      "r = a·b / (a + b + c) = 6,000·8,000 / (6,000 + 8,000 + 10,000) = 2,000",
      "R = c / 2 = 10,000 / 2 = 5,000",
      "sin α = 0,600, cos α = 0,800, tg α = 0,750, cotg α = 1,333",
      "sin β = 0,800, cos β = 0,600, tg β = 1,333, cotg β = 0,750"}},
    {"hypotenuseAndAngle",
     Element::c,
     10,
     Element::alpha,
     30,
     false,
     {"Дадени: c = 10,000 и α = 30°.", "sin α = a / c ⇒ a = c·sin α = 10,000·sin 30,000° = 5,000",
      "cos α = b / c ⇒ b = c·cos α = 10,000·cos 30,000° = 8,660", rest,
      "β = 90° − α = 90° − 30,000° = 60°", "h = a·b / c = 5,000·8,660 / 10,000 = 4,330",
      "a₁ = a² / c = 5,000² / 10,000 = 2,500", "b₁ = b² / c = 8,660² / 10,000 = 7,500",
      "S = a·b / 2 = 5,000·8,660 / 2 = 21,651", "P = a + b + c = 5,000 + 8,660 + 10,000 = 23,660",
      "r = a·b / (a + b + c) = 5,000·8,660 / (5,000 + 8,660 + 10,000) = 1,830",
      "R = c / 2 = 10,000 / 2 = 5,000",
      "sin α = 0,500, cos α = 0,866, tg α = 0,577, cotg α = 1,732",
      "sin β = 0,866, cos β = 0,500, tg β = 1,732, cotg β = 0,577"}},
    {"projectionOfBAndAreaNumerically",
     Element::b1,
     16,
     Element::S,
     150,
     true,
     {"Дадени: b₁ = 16,000 и S = 150,000.",
      "a₁ е коренът на уравнението (b₁ + a₁)·√(b₁·a₁) / 2 = S, намерен числено:", "a₁ = 9,000",
      "c = b₁ + a₁ = 16,000 + 9,000 = 25,000", "b = √(b₁·c) = √(16,000·25,000) = 20,000",
      "a = √(a₁·c) = √(9,000·25,000) = 15,000", rest,
      "tg α = a / b = 15,000 / 20,000 = 0,750 ⇒ α ≈ 36°52′",
      "tg β = b / a = 20,000 / 15,000 = 1,333 ⇒ β ≈ 53°8′",
      "h = a·b / c = 15,000·20,000 / 25,000 = 12,000",
      "P = a + b + c = 15,000 + 20,000 + 25,000 = 60,000",
      "r = a·b / (a + b + c) = 15,000·20,000 / (15,000 + 20,000 + 25,000) = 5,000",
      "R = c / 2 = 25,000 / 2 = 12,500",
      "sin α = 0,600, cos α = 0,800, tg α = 0,750, cotg α = 1,333",
      "sin β = 0,800, cos β = 0,600, tg β = 1,333, cotg β = 0,750"}},
    {"inradiusAndHypotenuse",
     Element::r,
     2,
     Element::c,
     10,
     false,
     {"Дадени: r = 2,000 и c = 10,000.", "S = r·(c + r) = 2,000·(10,000 + 2,000) = 24,000",
      "s = a + b, сборът на катетите:", "s = c + 2·r = 10,000 + 2·2,000 = 14,000",
      "t = b − a, разликата на катетите:", "t = √(c² − 4·S) = √(10,000² − 4·24,000) = 2,000",
      "b = (s + t) / 2 = (14,000 + 2,000) / 2 = 8,000", "a = 2·S / b = 2·24,000 / 8,000 = 6,000",
      rest, "tg α = a / b = 6,000 / 8,000 = 0,750 ⇒ α ≈ 36°52′",
      "tg β = b / a = 8,000 / 6,000 = 1,333 ⇒ β ≈ 53°8′",
      "h = a·b / c = 6,000·8,000 / 10,000 = 4,800", "a₁ = a² / c = 6,000² / 10,000 = 3,600",
      "b₁ = b² / c = 8,000² / 10,000 = 6,400", "P = a + b + c = 6,000 + 8,000 + 10,000 = 24,000",
      "R = c / 2 = 10,000 / 2 = 5,000",
      "sin α = 0,600, cos α = 0,800, tg α = 0,750, cotg α = 1,333",
      "sin β = 0,800, cos β = 0,600, tg β = 1,333, cotg β = 0,750"}},
    {"heightPastItsBoundWithinTyping",
     Element::c,
     10,
     Element::h,
     5.0004,
     true,
     {"Дадени: c = 10,000 и h = 5,000.",
      "Дадените стойности са извън границата h ≤ c/2 = 5,000 само в рамките на закръглянето им "
      "до хилядни, затова триъгълникът е равнобедрен:",
      "a = c / √2 = 10,000 / √2 = 7,071", "b = a = 7,071", rest,
      "tg α = a / b = 7,071 / 7,071 = 1,000 ⇒ α = 45°",
      "tg β = b / a = 7,071 / 7,071 = 1,000 ⇒ β = 45°", "a₁ = a² / c = 7,071² / 10,000 = 5,000",
      "b₁ = b² / c = 7,071² / 10,000 = 5,000", "S = a·b / 2 = 7,071·7,071 / 2 = 25,000",
      "P = a + b + c = 7,071 + 7,071 + 10,000 = 24,142",
      "r = a·b / (a + b + c) = 7,071·7,071 / (7,071 + 7,071 + 10,000) = 2,071",
      "R = c / 2 = 10,000 / 2 = 5,000",
      "sin α = 0,707, cos α = 0,707, tg α = 1,000, cotg α = 1,000",
      "sin β = 0,707, cos β = 0,707, tg β = 1,000, cotg β = 1,000"}},
    {"variantThreeWithItsLongerLegCalledB",
     Element::c,
     5,
     Element::S,
     6,
     false,
     {"Дадени: c = 5,000 и S = 6,000.",
      "s = a + b, сборът на катетите:", "s = √(c² + 4·S) = √(5,000² + 4·6,000) = 7,000",
      "t = b − a, разликата на катетите:", "t = √(s² − 8·S) = √(7,000² − 8·6,000) = 1,000",
      "b = (s + t) / 2 = (7,000 + 1,000) / 2 = 4,000",
      "a = √(c² − b²) = √(5,000² − 4,000²) = 3,000",
      "P = b + a + c = 4,000 + 3,000 + 5,000 = 12,000", rest,
      "tg α = a / b = 3,000 / 4,000 = 0,750 ⇒ α ≈ 36°52′",
      "tg β = b / a = 4,000 / 3,000 = 1,333 ⇒ β ≈ 53°8′",
      "h = a·b / c = 3,000·4,000 / 5,000 = 2,400", "a₁ = a² / c = 3,000² / 5,000 = 1,800",
      "b₁ = b² / c = 4,000² / 5,000 = 3,200",
      "r = a·b / (a + b + c) = 3,000·4,000 / (3,000 + 4,000 + 5,000) = 1,000",
      "R = c / 2 = 5,000 / 2 = 2,500", "sin α = 0,600, cos α = 0,800, tg α = 0,750, cotg α = 1,333",
      "sin β = 0,800, cos β = 0,600, tg β = 1,333, cotg β = 0,750"}},
};
INSTANTIATE_TEST_SUITE_P(EachFamily, ElementSteps, testing::ValuesIn(elementStepsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ElementStepsRegion, WritesThePeriodRegionsNumbers)
{
    const SolutionPage page =
        ElementSolutionPageOf(Element::b, 8, Element::beta, 53.13, {}, regions::enUS(), false);
    const std::vector<std::string> lines = linesOf(page.steps);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Дадени: b = 8.000 и β ≈ 53°8′.");
    EXPECT_EQ(lines[1], "sin β = b / c ⇒ c = b / sin β = 8.000 / sin 53.130° = 10.000");
    EXPECT_EQ(lines[2], "tg β = b / a ⇒ a = b / tg β = 8.000 / tg 53.130° = 6.000");
}

// The refusals worded by hand: a bound reached only by the isosceles triangle, one reached
// only as the triangle grows without end, written with b where b is given, and an angle.
struct MessageCase : GivenPair<const char*> {
    const char* message;
};

TEST(ElementRefusalMessages, NameTheElementsTheBoundAndItsValueInTheRegion)
{
    const MessageCase cases[] = {
        {"heightAtMostHalfHypotenuse", Element::c, "10", Element::h, "6",
         "Няма правоъгълен триъгълник с хипотенуза c\u00A0=\u00A010,000 и височина "
         "h\u00A0=\u00A06,000: височината към хипотенузата е най-много c/2\u00A0=\u00A05,000."},
        {"heightBelowLegB", Element::b, "6", Element::h, "6",
         "Няма правоъгълен триъгълник с катет b\u00A0=\u00A06,000 и височина h\u00A0=\u00A06,000: "
         "височината към хипотенузата винаги е по-къса от катета, "
         "h\u00A0<\u00A0b\u00A0=\u00A06,000. "
         "При h\u00A0=\u00A0b триъгълникът би бил безкрайно дълъг."},
        {"rightAngle", Element::beta, "90", Element::c, "5",
         "Няма правоъгълен триъгълник с ъгъл β\u00A0=\u00A090,000° и хипотенуза "
         "c\u00A0=\u00A05,000: острият ъгъл на правоъгълния триъгълник е по-малък от правия, "
         "β\u00A0<\u00A090°\u00A0=\u00A090,000°. При β\u00A0=\u00A090° триъгълникът би се изродил "
         "в "
         "отсечка."},
        {"onlyTheShape", Element::alpha, "30", Element::beta, "60",
         "Ъгъл α\u00A0=\u00A030,000° и ъгъл β\u00A0=\u00A060,000° определят само формата на "
         "триъгълника, не и размера му: винаги α\u00A0+\u00A0β\u00A0=\u00A090°. Въведете вместо "
         "единия ъгъл някоя дължина или лицето."},
        // l_c = a·b·√2/(a + b) is c/2 at a = b; m_a² = b² + a²/4 lies between c²/4 and c².
        {"bisectorAtMostHalfHypotenuse", Element::lC, "6", Element::c, "10",
         "Няма правоъгълен триъгълник с ъглополовяща l_c\u00A0=\u00A06,000 и хипотенуза "
         "c\u00A0=\u00A010,000: ъглополовящата на правия ъгъл е най-много половината от "
         "хипотенузата, l_c\u00A0≤\u00A0c/2\u00A0=\u00A05,000, колкото е при равнобедрения "
         "правоъгълен триъгълник."},
        {"medianBetweenHalfAndWholeHypotenuse", Element::mA, "13", Element::c, "10",
         "Няма правоъгълен триъгълник с медиана m_a\u00A0=\u00A013,000 и хипотенуза "
         "c\u00A0=\u00A010,000: при хипотенуза c\u00A0=\u00A010,000 медианата m_a е по-голяма "
         "от 5,000 и по-малка от 10,000."},
        // At a = b = 4√2, S = 16 and l_c = a/√2 = 4.
        {"bisectorAtMostRootOfArea", Element::S, "16", Element::lC, "5",
         "Няма правоъгълен триъгълник с лице S\u00A0=\u00A016,000 и ъглополовяща "
         "l_c\u00A0=\u00A05,000: при лице S\u00A0=\u00A016,000 ъглополовящата на правия ъгъл "
         "l_c е най-много 4,000 (при равнобедрения триъгълник)."},
        {"angleText", Element::alpha, "30°°", Element::c, "5",
         "„30°°“ в полето „ъгъл α“ не е едно число. Въведете само числото, например 30° или "
         "36°52′."},
    };
    for (const MessageCase& c : cases) {
        const auto solved =
            SolveElements(c.first, c.firstText, c.second, c.secondText, regions::bgBG());
        ASSERT_FALSE(solved.ok()) << c.name;
        EXPECT_EQ(ElementRefusalMessage(solved.fault(), c.firstText, c.secondText, regions::bgBG()),
                  c.message)
            << c.name;
    }
}

} // namespace
