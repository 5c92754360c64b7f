// The window of any two elements with its relation fields: the facts counted, a relation
// that does not read, and relations solved as the textbook states them.

#include "window/elements/elements_form_logic.h"

#include "solver/relation/relation.h"
#include "tests/window/fake_elements_controls.h"
#include "window/drawing/solution_drawing.h"
#include "window/text/ui_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using triangle::Element;
namespace texts = triangle::texts;

std::size_t at(Element element)
{
    return static_cast<std::size_t>(element);
}

// Whether the relation reader is the real one yet: until it is, the rows that solve a
// relation are skipped.
bool relationsRead()
{
    return triangle::ReadRelation("a:b=5:12").ok();
}

struct CountCase {
    const char* name;
    std::vector<std::pair<Element, const char*>> elements;
    std::array<const char*, 2> relations;
    const char* expected; // the message, worked out from its wording by hand
};

const CountCase countCases[] = {
    {"OneRelationAlone",
     {},
     {"a:b=5:12", ""},
     "Попълнено е само полето „първа връзка между два елемента“. Попълнете още един елемент и "
     "натиснете „Изчисли“."},
    {"TheSecondRelationAlone",
     {},
     {"", "c-a=1"},
     "Попълнено е само полето „втора връзка между два елемента“. Попълнете още един елемент и "
     "натиснете „Изчисли“."},
    {"TwoElementsAndARelation",
     {{Element::a, "6"}, {Element::c, "10"}},
     {"", "c-a=1"},
     "Попълнени са 3 полета: „катет a“, „хипотенуза c“ и „втора връзка между два елемента“. "
     "Триъгълникът се определя от точно два елемента: изтрийте излишните и натиснете "
     "„Изчисли“."},
    {"AnElementAndTwoRelations",
     {{Element::b, "7"}},
     {"a:b=5:12", "c-a=1"},
     "Попълнени са 3 полета: „катет b“, „първа връзка между два елемента“ и „втора връзка между "
     "два елемента“. Триъгълникът се определя от точно два елемента: изтрийте излишните и "
     "натиснете „Изчисли“."},
    {"RelationsOfBlanksOnly",
     {},
     {"  ", "\t"},
     "Не е попълнено нито едно поле. Попълнете кои да е два елемента, например двата катета, и "
     "натиснете „Изчисли“."},
};

TEST(ElementsFacts, CountMessagesCountTheRelations)
{
    for (const CountCase& c : countCases) {
        FakeElementsControls window;
        window.logic.Form_Load();
        for (const auto& [element, text] : c.elements)
            window.type(element, text);
        for (int i = 0; i < 2; ++i)
            window.typeRelation(i, c.relations[static_cast<std::size_t>(i)]);
        window.logic.Calculate();
        ASSERT_EQ(window.messages.size(), 1U) << c.name;
        EXPECT_EQ(window.messages[0].first, texts::ElementsCountTitle) << c.name;
        EXPECT_EQ(window.messages[0].second, c.expected) << c.name;
        EXPECT_EQ(window.choiceCount, 0) << c.name;
    }
}

TEST(ElementsFacts, ARelationThatDoesNotReadIsRefusedWithTheFocusInItsField)
{
    // State: c = 13 and the second relation "a:b=5:" (no second term).
    FakeElementsControls window;
    window.logic.Form_Load();
    window.type(Element::c, "13");
    window.typeRelation(1, "a:b=5:");
    // Action: "Изчисли". Expected: a refusal that quotes what was typed, the focus in the
    // relation's field, the texts as typed, nothing computed.
    window.logic.Calculate();
    ASSERT_EQ(window.messages.size(), 1U);
    EXPECT_EQ(window.messages[0].first, texts::RefusalTitle);
    EXPECT_NE(window.messages[0].second.find("a:b=5:"), std::string::npos);
    EXPECT_EQ(window.focusedRelation, 1);
    EXPECT_EQ(window.relations[1], "a:b=5:");
    EXPECT_EQ(window.texts[at(Element::c)], "13");
    EXPECT_TRUE(window.texts[at(Element::a)].empty());
    EXPECT_FALSE(window.computed[at(Element::a)]);
}

TEST(ElementsFacts, AValueThatDoesNotReadBesideARelationIsRefusedInItsField)
{
    // State: c = "1O" (a letter O) and the first relation typed.
    FakeElementsControls window;
    window.logic.Form_Load();
    window.type(Element::c, "1O");
    window.typeRelation(0, "a:b=5:12");
    window.logic.Calculate();
    // Expected: the value's text quoted in the message, the focus in c, not in the relation.
    ASSERT_EQ(window.messages.size(), 1U);
    EXPECT_EQ(window.messages[0].first, texts::RefusalTitle);
    EXPECT_NE(window.messages[0].second.find("„1O“"), std::string::npos)
        << window.messages[0].second;
    EXPECT_EQ(window.messages[0].second.find("a:b=5:12"), std::string::npos);
    EXPECT_EQ(window.focused, static_cast<int>(Element::c));
}

TEST(ElementsFacts, EditingARelationAfterACalculationEmptiesTheComputedFields)
{
    // State: legs 6 and 8 calculated.
    FakeElementsControls window;
    window.logic.Form_Load();
    window.type(Element::a, "6");
    window.type(Element::b, "8");
    window.logic.Calculate();
    ASSERT_EQ(window.texts[at(Element::c)], "10");
    ASSERT_TRUE(window.computed[at(Element::c)]);
    // Action: a relation typed. Expected: the computed fields empty and open, the given ones
    // as typed, the choice hidden; three facts are then counted.
    window.typeRelation(0, "c-a=4");
    EXPECT_TRUE(window.texts[at(Element::c)].empty());
    EXPECT_FALSE(window.computed[at(Element::c)]);
    EXPECT_EQ(window.texts[at(Element::a)], "6");
    EXPECT_EQ(window.choiceCount, 0);
    EXPECT_FALSE(window.logic.Given().has_value());
    window.logic.Calculate();
    ASSERT_EQ(window.messages.size(), 1U);
    EXPECT_NE(window.messages[0].second.find("Попълнени са 3 полета"), std::string::npos);
    // "Изчисти" empties the relations too.
    window.logic.Clear();
    EXPECT_TRUE(window.relations[0].empty());
}

// Needs the relation reader and SolveFacts: skipped while they are stubs.
struct SolvedCase {
    const char* name;
    std::vector<std::pair<Element, const char*>> elements;
    std::array<const char*, 2> relations;
    const char* a;
    const char* b;
    const char* c;
    std::array<const char*, 2> written; // the relations as the book writes them
};

// "a : b = 5 : 12" makes a = 5k, b = 12k, c = 13k; c = 26 gives k = 2. "c − a = 2" and
// "c − b = 16": (c − 2)² + (c − 16)² = c², c² − 36c + 260 = 0, c = 26 or 10, and 10 leaves
// b negative. "c − a = 1" and b = 7: 49 = (c − a)(c + a) = c + a, so a = 24, c = 25.
const SolvedCase solvedCases[] = {
    {"RatioOfTheLegsWithTheHypotenuse",
     {{Element::c, "26"}},
     {"a:b=5:12", ""},
     "10",
     "24",
     "26",
     {"a : b = 5 : 12", ""}},
    // Two relations are solved numerically; the legs 24 and 10 are the root's to the last bit
    // and fit both exactly, so they are shown as the book writes them.
    {"TwoDifferences", {}, {"c-a=2", "c-b=16"}, "24", "10", "26", {"c − a = 2", "c − b = 16"}},
    {"DifferenceWithALeg", {{Element::b, "7"}}, {"", "c-a=1"}, "24", "7", "25", {"", "c − a = 1"}},
};

TEST(ElementsFacts, RelationsSolveAsTheTextbookStatesThem)
{
    if (!relationsRead())
        GTEST_SKIP() << "the relation reader is still a stub";
    for (const SolvedCase& c : solvedCases) {
        FakeElementsControls window;
        window.logic.Form_Load();
        for (const auto& [element, text] : c.elements)
            window.type(element, text);
        for (int i = 0; i < 2; ++i)
            window.typeRelation(i, c.relations[static_cast<std::size_t>(i)]);
        window.logic.Calculate();
        EXPECT_TRUE(window.messages.empty()) << c.name;
        EXPECT_EQ(window.texts[at(Element::a)], c.a) << c.name;
        EXPECT_EQ(window.texts[at(Element::b)], c.b) << c.name;
        EXPECT_EQ(window.texts[at(Element::c)], c.c) << c.name;
        EXPECT_EQ(window.relations[0], c.written[0]) << c.name;
        EXPECT_EQ(window.relations[1], c.written[1]) << c.name;
        EXPECT_EQ(window.choiceCount, 1) << c.name;
        EXPECT_EQ(window.logic.CopyText().rfind("Решение", 0), std::string::npos) << c.name;
    }
}

// The median m_a, the first element after cotg β; there from twenty-five elements on.
constexpr auto MedianA = static_cast<Element>(20);

// Needs the medians and SolveFacts: skipped while they are not there. h = 4,8 with
// m_a = √73 fits the legs 6 and 8 (m_a² = b² + a²/4 = 64 + 9, h = 6·8/10), and a second,
// not its mirror image: ab = h·c and b² + a²/4 = 73 with a² + b² = c² give, for c = 14,6,
// 3b² = 4·73 − c² = 78,84, b² = 26,28, a² = 186,88, and ab = √(26,28·186,88) = 70,08 = 4,8·14,6.
// So a = 13,670, b = 5,126: the shorter a, 6, is shown first.
TEST(ElementsFacts, TwoTrianglesAreSaidAndTheOtherIsChosen)
{
    if (triangle::ElementCount <= 20)
        GTEST_SKIP() << "the medians are not elements yet";
    FakeElementsControls window;
    window.logic.Form_Load();
    window.type(Element::h, "4.8");
    window.type(MedianA, "√73");
    window.logic.Calculate();
    if (window.choiceCount != 2)
        GTEST_SKIP() << "SolveFacts does not find the second triangle yet";
    ASSERT_TRUE(window.messages.empty());
    EXPECT_EQ(window.choiceShown, 0);
    // The median given is drawn.
    EXPECT_EQ(window.page.cevians, std::vector<triangle::Cevian>{triangle::Cevian::MedianA});
    // Solved numerically, to legs that are exact to the last bit and fit both values exactly
    // (h = 6·8/10 = 24/5, m_a² = 64 + 9): shown as the book writes them.
    EXPECT_EQ(window.texts[at(Element::a)], "6");
    EXPECT_EQ(window.texts[at(Element::c)], "10");
    EXPECT_EQ(window.logic.CopyText().rfind("Решение 1 от 2\n", 0), 0U);
    ASSERT_FALSE(window.announcements.empty());
    EXPECT_EQ(window.announcements.back().rfind("Две решения. Решение 1 от 2. Изчислено: ", 0), 0U);

    // Action: the second chosen. Expected: its triangle, the choice on it, the copy and the
    // speech saying so; the given texts as they were.
    window.logic.ShowSolution(1);
    EXPECT_EQ(window.choiceCount, 2);
    EXPECT_EQ(window.choiceShown, 1);
    // a² = 4672/25 = (8√73/5)², b² = 657/25 = (3√73/5)², c = 73/5.
    EXPECT_EQ(window.texts[at(Element::a)], "8√73/5 ≈ 13.670");
    EXPECT_EQ(window.texts[at(Element::b)], "3√73/5 ≈ 5.126");
    EXPECT_EQ(window.texts[at(Element::c)], "14.6");
    EXPECT_EQ(window.texts[at(Element::h)], "4.8");
    EXPECT_EQ(window.logic.CopyText().rfind("Решение 2 от 2\n", 0), 0U);
    EXPECT_NE(window.announcements.back().find("Решение 2 от 2"), std::string::npos);

    // Editing a given value hides the choice and empties the computed fields.
    window.type(Element::h, "4.");
    EXPECT_EQ(window.choiceCount, 0);
    EXPECT_TRUE(window.texts[at(Element::a)].empty());
}

} // namespace

namespace {

// The labels of the drawing the window shows for two typed values, and its page.
std::pair<std::vector<std::string>, triangle::SolutionPage>
drawn(Element first, const char* firstText, Element second, const char* secondText)
{
    FakeElementsControls window;
    window.logic.Form_Load();
    window.type(first, firstText);
    window.type(second, secondText);
    window.logic.Calculate();
    const triangle::SolutionPage& page = window.page;
    std::vector<std::string> texts;
    if (!page.triangle)
        return {};
    const triangle::drawing::DisplayList list = triangle::drawing::DrawSolution(
        *page.triangle, 1280, 960, 1.0, {}, triangle::drawing::EstimateText, page.projections,
        page.angleMinutes, 1.0, page.cevians, &page.exact);
    for (const triangle::drawing::Label& label : list.labels)
        texts.push_back(label.text);
    return {texts, page};
}

bool holds(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(ElementsFacts, TheDrawingAndTheGivenValuesWriteWhatIsExactAsTheBookDoes)
{
    // a = 15 and h = 12: a₁ = √(15² − 12²) = 9, c = 15²/9 = 25, b = 20, b₁ = 16, R = 12,5,
    // r = (15 + 20 − 25)/2 = 5, all exact with at most three decimals.
    const auto [exact, page] = drawn(Element::a, "15", Element::h, "12");
    for (const char* expected :
         {"a = 15", "b = 20", "c = 25", "h = 12", "R = 12.5", "r = 5", "a₁ = 9", "b₁ = 16"})
        EXPECT_TRUE(holds(exact, expected)) << expected;
    EXPECT_NE(page.description.find("a = 15, "), std::string::npos) << page.description;
    // tg α = 15/20: α = 36,870° ≈ 36°52′, read as the drawing writes it.
    EXPECT_NE(page.description.find("ъгълът α ≈ 36°52′,"), std::string::npos) << page.description;
    EXPECT_EQ(page.steps.rfind("Дадени: a = 15 и h = 12.\n", 0), 0u) << page.steps;
    // Legs 1 and 2: c = √5 has no three-decimal form, so the drawing gives it to three.
    const std::vector<std::string> root = drawn(Element::a, "1", Element::b, "2").first;
    EXPECT_TRUE(holds(root, "c = 2.236"));
    EXPECT_TRUE(holds(root, "a = 1"));
    // An angle typed as a whole number of degrees is what it says, and so is β = 90° − 12°;
    // c = 15/sin 12° is not exact.
    const auto [angle, anglePage] = drawn(Element::a, "15", Element::alpha, "12");
    for (const char* expected : {"a = 15", "α = 12°", "β = 78°", "c = 72.146"})
        EXPECT_TRUE(holds(angle, expected)) << expected;
    EXPECT_EQ(anglePage.steps.rfind("Дадени: a = 15 и α = 12°.\n", 0), 0u) << anglePage.steps;
    EXPECT_NE(anglePage.description.find("a = 15, "), std::string::npos) << anglePage.description;
    EXPECT_NE(anglePage.description.find("ъгълът β = 78°."), std::string::npos)
        << anglePage.description;
}

// A relation is read into what it gives before the pair's own formulas, each line as the book
// writes it, worked by hand: 7² = (c − a)(c + a) with c − a = 1 gives c + a = 49 and a = 24;
// 8² = (c − b)(c + b) with c − b = 2 gives c + b = 32, b = 15; (b − a)² = 2·13² − 17² = 49
// gives the legs (17 ∓ 7)/2; α + β = 90° gives α = 90°·1/6 and (90° + 40°)/2; the sides'
// ratios are the trigonometric values, and a₁ : b₁ = tg²α. A given hypotenuse is not worked
// out again from the legs read.
TEST(ElementsFacts, ARelationIsReadIntoItsElementStepByStep)
{
    if (!relationsRead())
        GTEST_SKIP() << "the relation reader is still a stub";
    struct Case {
        Element element;
        const char* value;
        const char* relation;
        std::vector<const char*> lines;
        const char* given = nullptr; // the given value's line, not worked out again
    };
    const Case cases[] = {
        {Element::b,
         "7",
         "c-a=1",
         {"b² = c² − a² = (c − a)(c + a), откъдето:", "c + a = b² / (c − a) = 7² / 1 = 49",
          "a = ((c + a) − (c − a)) / 2 = (49 − 1) / 2 = 24"}},
        {Element::a,
         "8",
         "c-b=2",
         {"a² = c² − b² = (c − b)(c + b), откъдето:", "c + b = a² / (c − b) = 8² / 2 = 32",
          "b = ((c + b) − (c − b)) / 2 = (32 − 2) / 2 = 15"}},
        {Element::c,
         "13",
         "a+b=17",
         {"(b − a)² = 2(a² + b²) − (a + b)² = 2c² − (a + b)², откъдето:",
          "b − a = √(2·c² − (a + b)²) = √(2·13² − 17²) = √49 = 7",
          "a = ((a + b) − (b − a)) / 2 = (17 − 7) / 2 = 5",
          "b = ((a + b) + (b − a)) / 2 = (17 + 7) / 2 = 12"},
         "\nc = "},
        {Element::c, "2", "α:β=1:5", {"α = 90°·1 / (1 + 5) = 15°"}},
        {Element::c, "2", "α-β=40", {"α = (90° + (α − β)) / 2 = (90° + 40°) / 2 = 65°"}},
        {Element::c, "26", "b:a=12:5", {"tg α = a / b = 5 / 12 = 5/12 ≈ 0.417"}},
        {Element::c, "2", "c=2a", {"sin α = a / c = 1 / 2 = 0.5"}},
        {Element::c, "25", "a1:b1=9:16", {"tg α = √(a₁ / b₁) = √(9 / 16) = 0.75"}},
    };
    for (const Case& c : cases) {
        FakeElementsControls window;
        window.logic.Form_Load();
        window.type(c.element, c.value);
        window.typeRelation(0, c.relation);
        window.logic.Calculate();
        const std::string& steps = window.page.steps;
        std::size_t from = steps.find('\n');
        for (const char* line : c.lines) {
            const std::size_t at = steps.find(std::string("\n") + line + "\n", from);
            ASSERT_NE(at, std::string::npos) << c.relation << ": " << line << "\n" << steps;
            from = at + 1;
        }
        if (c.given) {
            EXPECT_EQ(steps.find(c.given), std::string::npos) << c.relation << "\n" << steps;
        }
    }
}
