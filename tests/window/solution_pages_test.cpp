#include "window/print/solution_pages.h"

#include "tests/regions.h"
#include "tests/triangle_from_legs.h"
#include "window/solution/solution_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

using triangle::SolutionPage;
using namespace triangle::print;

// Every character half its face's size wide, a line 1.2 sizes tall: widths and breaks
// worked out by hand below.
class FakeMeasure : public TextMeasure {
public:
    double lineHeight(const PrintFont& font) const override { return 1.2 * font.pixels; }
    double textWidth(std::string_view text, const PrintFont& font) const override
    {
        double characters = 0;
        for (unsigned char byte : text)
            characters += (byte & 0xC0) != 0x80;
        return characters * font.pixels / 2;
    }
};

// At 72 dots an inch a dot is a point: the margin is 20 mm = 56.69 dots, the text 11 dots in
// lines of 13.2, the page number 9 dots in a line of 10.8. On a 400 × 400 sheet the text
// ends one line above the page number: at 400 − 56.69 − 10.8 − 13.2 = 319.31. The first
// page holds the header (16.8, the title's line), the given line after a line's space (to
// 99.89), half a line's space, then the steps' heading with the first step (to 132.89) and
// 14 more steps (to 317.69); each later page 19 steps, from 56.69 to 307.49.
SolutionPage stepsOnly(int count, const std::string& longStep = "", int longAfter = 0)
{
    SolutionPage page;
    page.steps = "Дадени: a = 3 и c = 5.";
    for (int i = 1; i <= count; ++i) {
        page.steps += "\nx" + std::to_string(i);
        if (i == longAfter)
            page.steps += "\n" + longStep;
    }
    return page;
}

std::string pageNumber(std::size_t page, std::size_t pages)
{
    return "Страница " + std::to_string(page) + " от " + std::to_string(pages);
}

std::size_t pageOf(const PrintedSolution& printed, const std::string& text)
{
    for (std::size_t i = 0; i < printed.pages.size(); ++i)
        for (const PrintedText& row : printed.pages[i].texts)
            if (row.text == text)
                return i + 1;
    return 0;
}

void expectInsideMargins(const PrintedSolution& printed, const FakeMeasure& measure)
{
    const auto& box = printed.content;
    for (std::size_t i = 0; i < printed.pages.size(); ++i) {
        const PrintedPage& page = printed.pages[i];
        for (const PrintedText& row : page.texts) {
            SCOPED_TRACE(row.text);
            EXPECT_GE(row.x, box.left - 1e-9);
            EXPECT_LE(row.x + measure.textWidth(row.text, row.font), box.right() + 1e-9);
            EXPECT_GE(row.y, box.top - 1e-9);
            EXPECT_LE(row.y + measure.lineHeight(row.font), box.bottom() + 1e-9);
        }
        ASSERT_FALSE(page.texts.empty());
        EXPECT_EQ(page.texts.back().text, pageNumber(i + 1, printed.pages.size()));
        if (page.drawing) {
            EXPECT_GE(page.drawing->left, box.left);
            EXPECT_LE(page.drawing->right(), box.right() + 1e-9);
            EXPECT_GE(page.drawing->top, box.top);
            EXPECT_LE(page.drawing->bottom(), box.bottom());
        }
    }
}

struct BreakRow {
    const char* name;
    int steps;
    std::size_t pages;
    int firstOnSecondPage; // 0: there is no second page
};

class PageBreaks : public testing::TestWithParam<BreakRow> {};

TEST_P(PageBreaks, StepsRunOntoMorePagesEachNumbered)
{
    const BreakRow& row = GetParam();
    const FakeMeasure measure;
    const PrintedSolution printed = ComposeSolutionPages(stepsOnly(row.steps), regions::bgBG(),
                                                         "10.12.2026 г.", {400, 400, 72}, measure);
    ASSERT_EQ(printed.pages.size(), row.pages);
    EXPECT_NEAR(printed.content.left, 56.693, 1e-3);
    EXPECT_NEAR(printed.content.width, 400 - 2 * 56.693, 1e-3);
    if (row.firstOnSecondPage > 0) {
        EXPECT_EQ(pageOf(printed, "x" + std::to_string(row.firstOnSecondPage - 1)), 1u);
        EXPECT_EQ(pageOf(printed, "x" + std::to_string(row.firstOnSecondPage)), 2u);
    }
    EXPECT_EQ(pageOf(printed, "x" + std::to_string(row.steps)), row.pages);
    expectInsideMargins(printed, measure);
}

INSTANTIATE_TEST_SUITE_P(SolutionPages, PageBreaks,
                         testing::Values(BreakRow{"FifteenStepsFillTheFirstPage", 15, 1, 0},
                                         BreakRow{"TheSixteenthStepStartsTheSecond", 16, 2, 16},
                                         BreakRow{"ThirtyFourFillTheSecond", 34, 2, 16},
                                         BreakRow{"TheThirtyFifthStartsTheThird", 35, 3, 16}),
                         [](const testing::TestParamInfo<BreakRow>& info) {
                             return info.param.name;
                         });

TEST(SolutionPages, AStepTooLongForThePageEndGoesWholeToTheNext)
{
    // 60 words of 4 letters, 5 characters with the space, 27.5 dots: 10 to a row of
    // 286.6 dots, 6 rows, 79.2 dots; after step 13, at 291.29, it would end past 319.31.
    std::string step = "abcd";
    for (int i = 1; i < 60; ++i)
        step += " abcd";
    const FakeMeasure measure;
    const PrintedSolution printed = ComposeSolutionPages(stepsOnly(20, step, 13), regions::bgBG(),
                                                         "10.12.2026 г.", {400, 400, 72}, measure);
    ASSERT_EQ(printed.pages.size(), 2u);
    EXPECT_EQ(pageOf(printed, "x13"), 1u);
    const PrintedPage& second = printed.pages[1];
    ASSERT_GE(second.texts.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(second.texts[i].text.size(), 49u) << "row " << i;
        EXPECT_NEAR(second.texts[i].y, 56.693 + 13.2 * i, 1e-3);
    }
    expectInsideMargins(printed, measure);
}

TEST(SolutionPages, TheTriangleDrawnInsideTheMarginsOfAnyPaper)
{
    SolutionPage page;
    page.triangle = fromLegs(3, 4);
    page.steps = "Вариант 1. Дадени: a = 3,000 и b = 4,000.\nc = √(a² + b²) = √25 = 5";
    const FakeMeasure measure;
    // On A4 landscape at 72 dots an inch the drawing takes half the text's height, 228.81,
    // and the whole triangle's ten lines after it would end at 520.1, past 514.31: R's line
    // would go over, so the whole triangle goes to the second page, kept together.
    const struct {
        PageSize size;
        std::size_t pages;
    } papers[] = {{A4Portrait(300), 1}, {{842, 595, 72}, 2}};
    for (const auto& [size, pages] : papers) {
        const PrintedSolution printed =
            ComposeSolutionPages(page, regions::bgBG(), "10.12.2026 г.", size, measure);
        ASSERT_EQ(printed.pages.size(), pages);
        const PrintedPage& first = printed.pages.front();
        ASSERT_TRUE(first.drawing.has_value());
        EXPECT_EQ(first.texts[0].text, "Правоъгълен триъгълник");
        EXPECT_EQ(first.texts[1].text, "10.12.2026 г.");
        EXPECT_EQ(first.texts[2].text, "Вариант 1. Дадени: a = 3,000 и b = 4,000.");
        EXPECT_GT(first.drawing->top, first.texts[2].y);
        EXPECT_EQ(pageOf(printed, "Целият триъгълник:"), pages);
        EXPECT_EQ(pageOf(printed, "радиус на описаната окръжност R = 2,500"), pages);
        expectInsideMargins(printed, measure);
    }
    // A4 at 300 dots an inch: 2480.3 × 3507.9, margins of 236.2.
    const PrintedSolution a4 =
        ComposeSolutionPages(page, regions::bgBG(), "", A4Portrait(300), measure);
    EXPECT_NEAR(a4.size.width, 2480.31, 0.01);
    EXPECT_NEAR(a4.size.height, 3507.87, 0.01);
    EXPECT_NEAR(a4.content.top, 236.22, 0.01);
    EXPECT_NEAR(a4.drawingScale, 300.0 / 96.0, 1e-12);
}

TEST(SolutionPages, TheDateAsWrittenInBulgarian)
{
    EXPECT_EQ(PrintDate(2026, 12, 10), "10.12.2026 г.");
    EXPECT_EQ(PrintDate(2027, 3, 1), "01.03.2027 г.");
}

} // namespace

// Printed from the window of any two elements, the whole triangle reads as its fields do:
// legs 5 and 12 give c = 13, h = 60/13 = 4,6153… and R = 6,5 exactly; tg α = 5/12 gives
// α = 22,6198…° = 22°37,2′, which has no exact value. An angle typed exactly, 65°, is written
// as typed.
TEST(SolutionPages, TheWholeTriangleAsTheWindowThatPrintedItWritesIt)
{
    SolutionPage page;
    page.triangle = fromLegs(5, 12);
    page.steps = "Дадени: a = 5 и b = 12.";
    page.angleMinutes = true;
    using triangle::Element;
    using triangle::ExactNumber;
    page.exact[static_cast<std::size_t>(Element::a)] = ExactNumber::integer(5);
    page.exact[static_cast<std::size_t>(Element::c)] = ExactNumber::integer(13);
    page.exact[static_cast<std::size_t>(Element::h)] = ExactNumber::rational({60, 13});
    page.exact[static_cast<std::size_t>(Element::R)] = ExactNumber::rational({13, 2});
    const PrintedSolution printed =
        ComposeSolutionPages(page, regions::bgBG(), "", A4Portrait(72), FakeMeasure());
    for (const char* line :
         {"катет a = 5", "хипотенуза c = 13", "височина към хипотенузата h = 60/13 ≈ 4,615",
          "радиус на описаната окръжност R = 6,5", "катет b = 12,000",
          "ъгъл α срещу катета a = 22°37′ (22,620°)"})
        EXPECT_NE(pageOf(printed, line), 0u) << line;
    page.triangle =
        fromLegs(std::sin(65 * std::numbers::pi / 180), std::cos(65 * std::numbers::pi / 180));
    page.exact = {};
    page.exact[static_cast<std::size_t>(Element::alpha)] = ExactNumber::integer(65);
    const PrintedSolution typed =
        ComposeSolutionPages(page, regions::bgBG(), "", A4Portrait(72), FakeMeasure());
    EXPECT_NE(pageOf(typed, "ъгъл α срещу катета a = 65°"), 0u);
}
