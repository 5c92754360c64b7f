#include "window/main_form/solver_form_logic.h"

#include "solver/variant/variant_solver.h"
#include "tests/regions.h"
#include "tests/window/fake_controls.h"
#include "window/text/ui_texts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

class SolverFormLogicTest : public testing::Test {
protected:
    void SetUp() override { window.logic.Form_Load(); }

    std::vector<int> openFields() const
    {
        std::vector<int> open;
        for (int i = 0; i < triangle::FieldCount; ++i) {
            if (window.acceptsTyping(i))
                open.push_back(i);
        }
        return open;
    }
    bool allEmpty() const
    {
        for (const std::string& text : window.texts) {
            if (!text.empty())
                return false;
        }
        return true;
    }
    void fillEveryField()
    {
        for (std::string& text : window.texts)
            text = "7";
    }

    FakeControls window;
};

TEST_F(SolverFormLogicTest, LoadingSelectsTheFirstVariantAndOpensItsTwoFields)
{
    EXPECT_EQ(window.selected, 0);
    EXPECT_EQ(window.logic.SelectedVariant(), 0);
    EXPECT_TRUE(allEmpty());
    EXPECT_EQ(openFields(), (std::vector<int>{0, 1}));
    for (int i = 0; i < triangle::FieldCount; ++i)
        EXPECT_EQ(window.locked[i], i >= 4) << "field " << i;
}

TEST_F(SolverFormLogicTest, ChoosingAVariantEmptiesEverythingAndOpensItsGivenFields)
{
    const std::vector<int> given[] = {{0, 1}, {4, 7}, {9, 11}, {13, 14}, {18, 19}, {20, 22}};
    for (std::int16_t k = 5; k >= 0; --k) {
        fillEveryField();
        window.choose(k);
        EXPECT_EQ(window.logic.SelectedVariant(), k);
        EXPECT_TRUE(allEmpty()) << "variant " << k;
        EXPECT_EQ(openFields(), given[k]) << "variant " << k;
    }
}

TEST_F(SolverFormLogicTest, TheUsersChoiceOfAVariantPutsTheFocusIntoItsFirstGivenField)
{
    EXPECT_EQ(window.focused, -1); // loading leaves the focus where the window puts it
    struct Case {
        std::int16_t variant;
        int firstGiven;
    };
    for (const Case c :
         {Case{3, 13}, Case{0, 0}, Case{1, 4}, Case{2, 9}, Case{4, 18}, Case{5, 20}}) {
        window.logic.Option1_Chosen(c.variant);
        EXPECT_EQ(window.selected, c.variant);
        EXPECT_EQ(window.logic.SelectedVariant(), c.variant);
        EXPECT_EQ(window.focused, c.firstGiven) << "variant " << c.variant + 1;
        EXPECT_TRUE(window.acceptsTyping(c.firstGiven)) << "variant " << c.variant + 1;
    }
    // Chosen again, the selected variant keeps what was typed and takes the focus back.
    window.type(20, "3");
    window.focused = -1;
    window.logic.Option1_Chosen(5);
    EXPECT_EQ(window.texts[20], "3");
    EXPECT_EQ(window.focused, 20);
}

TEST_F(SolverFormLogicTest, ChoosingTheSelectedVariantAgainKeepsWhatWasTyped)
{
    window.type(0, "3");
    window.choose(0);
    EXPECT_EQ(window.texts[0], "3");
}

TEST_F(SolverFormLogicTest, ClearingEmptiesEverythingAndKeepsTheVariant)
{
    window.choose(3);
    fillEveryField();
    window.logic.Command1_Click(1);
    EXPECT_TRUE(allEmpty());
    EXPECT_EQ(window.logic.SelectedVariant(), 3);
    EXPECT_EQ(window.selected, 3);
    EXPECT_EQ(openFields(), (std::vector<int>{13, 14}));
}

TEST_F(SolverFormLogicTest, CalculatingRewritesExactlyTheSelectedRowInColumnOrder)
{
    window.choose(4);
    fillEveryField();
    window.texts[18] = "12";
    window.texts[19] = "6";
    window.writes.clear();

    window.logic.Command1_Click(0);

    EXPECT_EQ(window.writes, (std::vector<std::int16_t>{16, 17, 18, 19}));
    EXPECT_EQ(window.texts[16], "3.000");
    EXPECT_EQ(window.texts[17], "5.000");
    EXPECT_EQ(window.texts[18], "12.000");
    EXPECT_EQ(window.texts[19], "6.000");
    for (int i = 0; i < triangle::FieldCount; ++i) {
        if (i < 16 || i > 19) {
            EXPECT_EQ(window.texts[i], "7") << "field " << i;
        }
    }
    EXPECT_EQ(openFields(), (std::vector<int>{18, 19}));
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(SolverFormLogicTest, AFailedCheckKeepsTheGivenTextsAsTypedAndEmptiesTheResults)
{
    window.type(0, "5");
    window.type(1, " 3");
    window.texts[2] = "old";
    window.texts[3] = "old";
    window.writes.clear();
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[0], "5");
    EXPECT_EQ(window.texts[1], " 3");
    EXPECT_EQ(window.texts[2], "");
    EXPECT_EQ(window.texts[3], "");
    EXPECT_EQ(window.writes, (std::vector<std::int16_t>{2, 3}));
    EXPECT_EQ(window.messages.size(), 1u);
}

TEST_F(SolverFormLogicTest, CalculatingTwiceGivesTheSameTextsInEveryRegion)
{
    for (const auto& [name, region] : regions::all()) {
        window.region = region;
        window.choose(1);
        window.type(4, "2.3");
        window.type(7, "1234.5678");
        window.logic.Command1_Click(0);
        const auto first = window.texts;
        window.logic.Command1_Click(0);
        EXPECT_EQ(window.texts, first) << name;
        window.choose(0);
    }
}

TEST_F(SolverFormLogicTest, CommaRegionKeepsTheDecimalsOfTheGivenValues)
{
    window.region = regions::bgBG();
    window.choose(2);
    window.type(9, "5");
    window.type(11, "5,5");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[11], "5,500");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[11], "5,500");
}

struct RefusalCase {
    const char* name;
    triangle::NumberFormat region;
    std::int16_t k;
    std::string first;
    std::string second;
    int fieldToCorrect;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class SolverFormRefusalTest : public SolverFormLogicTest,
                              public testing::WithParamInterface<RefusalCase> {};

TEST_P(SolverFormRefusalTest, IsExplainedAndLeavesTheGivenTextsForCorrecting)
{
    const RefusalCase& c = GetParam();
    window.region = c.region;
    window.choose(c.k);
    const triangle::GivenColumns given = triangle::GivenColumnsOf(c.k);
    const int first = 4 * c.k + given.first;
    const int second = 4 * c.k + given.second;
    ASSERT_TRUE(window.type(first, c.first));
    ASSERT_TRUE(window.type(second, c.second));
    const auto locksBefore = window.locked;

    window.logic.Command1_Click(0);

    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, "Триъгълникът не може да се изчисли");
    EXPECT_EQ(window.messages[0].second, c.message);
    // The focus moves to the field to correct once the message is dismissed.
    EXPECT_EQ(window.focusedAtMessage[0], -1);
    EXPECT_EQ(window.focused, c.fieldToCorrect);
    for (int i = 0; i < triangle::FieldCount; ++i) {
        const std::string expected = i == first ? c.first : i == second ? c.second : "";
        EXPECT_EQ(window.texts[i], expected) << "field " << i;
    }
    EXPECT_EQ(window.locked, locksBefore);
    EXPECT_EQ(window.logic.SelectedVariant(), c.k);
    EXPECT_EQ(window.logic.SelectedRowText(), "");
    const triangle::RowOutcome& outcome = window.logic.SelectedRowOutcome();
    EXPECT_EQ(outcome.state, triangle::RowState::Refused);
    EXPECT_EQ(outcome.variant, c.k);
    ASSERT_TRUE(outcome.refusal.has_value());
    EXPECT_EQ(outcome.message, c.message);

    // The next calculation works normally.
    window.choose(0);
    window.type(0, "3");
    window.type(1, "5");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[3], c.region.decimalSeparator == "," ? "6,000" : "6.000");
    EXPECT_EQ(window.messages.size(), 1u);
}

// Bounds worked by hand: c²/4 = 100/4; 2c = 10; (1 + √2)·5 = 12.0711; 36·(3 − 2√2) = 6.1766;
// 2a = 10.
const RefusalCase refusalCases[] = {
    {"areaTooLargeForHypotenuse", regions::enUS(), 2, "10", "26", 11,
     "Няма правоъгълен триъгълник с хипотенуза c\u00A0=\u00A010.000 и лице S\u00A0=\u00A026.000: "
     "при тази "
     "хипотенуза лицето е най-много c²/4\u00A0=\u00A025.000."},
    {"areaTooLargeForHypotenuseBulgarian", regions::bgBG(), 2, "10", "26", 11,
     "Няма правоъгълен триъгълник с хипотенуза c\u00A0=\u00A010,000 и лице S\u00A0=\u00A026,000: "
     "при тази "
     "хипотенуза лицето е най-много c²/4\u00A0=\u00A025,000."},
    {"legLongerThanHypotenuse", regions::bgBG(), 0, "5", "3", 0,
     "Няма правоъгълен триъгълник с катет a\u00A0=\u00A05,000 и хипотенуза c\u00A0=\u00A03,000: "
     "катетът винаги е по-къс "
     "от хипотенузата, a\u00A0<\u00A0c\u00A0=\u00A03,000."},
    {"legLongerThanHypotenusePeriod", regions::enUS(), 0, "1234.5", "3", 0,
     "Няма правоъгълен триъгълник с катет a\u00A0=\u00A01,234.500 и хипотенуза "
     "c\u00A0=\u00A03.000: катетът "
     "винаги е по-къс от хипотенузата, a\u00A0<\u00A0c\u00A0=\u00A03.000."},
    {"perimeterNotAboveTwiceHypotenuse", regions::bgBG(), 3, "5", "8", 14,
     "Няма правоъгълен триъгълник с хипотенуза c\u00A0=\u00A05,000 и периметър "
     "P\u00A0=\u00A08,000: двата катета "
     "заедно са по-дълги от хипотенузата, затова периметърът е по-голям от 2c\u00A0=\u00A010,000."},
    {"perimeterTooLongForHypotenuse", regions::enUS(), 3, "5", "13", 14,
     "Няма правоъгълен триъгълник с хипотенуза c\u00A0=\u00A05.000 и периметър "
     "P\u00A0=\u00A013.000: при тази "
     "хипотенуза периметърът е най-много (1 + √2)·c\u00A0=\u00A012.071."},
    {"areaTooLargeForPerimeter", regions::bgBG(), 4, "12", "7", 19,
     "Няма правоъгълен триъгълник с периметър P\u00A0=\u00A012,000 и лице S\u00A0=\u00A07,000: при "
     "този периметър "
     "лицето е най-много (3 − 2√2)·P²/4\u00A0=\u00A06,177."},
    {"perimeterNotAboveTwiceLeg", regions::bgBG(), 5, "5", "8", 22,
     "Няма правоъгълен триъгълник с катет a\u00A0=\u00A05,000 и периметър P\u00A0=\u00A08,000: "
     "другият катет и "
     "хипотенузата заедно са по-дълги от катета a, затова периметърът е по-голям от 2a\u00A0=\u00A0"
     "10,000."},
    {"perimeterNotAboveTwiceHypotenusePeriod", regions::enUS(), 3, "5", "8", 14,
     "Няма правоъгълен триъгълник с хипотенуза c\u00A0=\u00A05.000 и периметър "
     "P\u00A0=\u00A08.000: двата катета заедно са по-дълги от хипотенузата, затова "
     "периметърът е по-голям от 2c\u00A0=\u00A010.000."},
    {"perimeterTooLongForHypotenuseBulgarian", regions::bgBG(), 3, "5", "13", 14,
     "Няма правоъгълен триъгълник с хипотенуза c\u00A0=\u00A05,000 и периметър "
     "P\u00A0=\u00A013,000: при тази хипотенуза периметърът е най-много "
     "(1 + √2)·c\u00A0=\u00A012,071."},
    {"areaTooLargeForPerimeterPeriod", regions::enUS(), 4, "12", "7", 19,
     "Няма правоъгълен триъгълник с периметър P\u00A0=\u00A012.000 и лице S\u00A0=\u00A07.000: "
     "при този периметър лицето е най-много (3 − 2√2)·P²/4\u00A0=\u00A06.177."},
    {"perimeterNotAboveTwiceLegPeriod", regions::enUS(), 5, "5", "8", 22,
     "Няма правоъгълен триъгълник с катет a\u00A0=\u00A05.000 и периметър P\u00A0=\u00A08.000: "
     "другият катет и хипотенузата заедно са по-дълги от катета a, затова периметърът е "
     "по-голям от 2a\u00A0=\u00A010.000."},
    {"negativeLegBulgarian", regions::bgBG(), 1, "-3", "6", 4,
     "Катетът a трябва да е положително число, а е -3,000."},
    {"zeroArea", regions::bgBG(), 4, "12", "0", 19,
     "Лицето S трябва да е положително число, а е 0,000."},
    {"negativeLeg", regions::enUS(), 1, "-3", "6", 4,
     "Катетът a трябва да е положително число, а е -3.000."},
    {"bothFieldsEmpty", regions::bgBG(), 4, "", "", 18,
     "Полето „периметър P“ е празно. Въведете число, например 12,5."},
    {"commaInThePeriodRegion", regions::enUS(), 0, "2,5", "6.5", 0,
     "„2,5“ в полето „катет a“ не е число: в регионалните настройки на компютъра десетичният "
     "знак е „.“, "
     "например 2.5."},
    {"noNumber", regions::enUS(), 0, "abc", "5", 0,
     "В полето „катет a“ няма число: „abc“. Въведете число, например 12.5."},
    {"twoNumbers", regions::bgBG(), 1, "3 5", "6", 4,
     "„3 5“ в полето „катет a“ не е едно число: между знаците му има интервал или табулация. "
     "Въведете едно число, например 12,5."},
    {"twoPastedCells", regions::bgBG(), 2, "5", "6\t7", 11,
     "„6\t7“ в полето „лице S“ не е едно число: между знаците му има интервал или табулация. "
     "Въведете едно число, например 12,5."},
    {"lettersAfterTheNumber", regions::enUS(), 0, "3", "12abc", 1,
     "„12abc“ в полето „хипотенуза c“ не е едно число. Въведете само числото, например 12.5."},
    {"longTextCutShort", regions::enUS(), 0, std::string(45, 'x'), "5", 0,
     "В полето „катет a“ няма число: „xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…“. Въведете "
     "число, например 12.5."},
    {"numberBeyondRange", regions::bgBG(), 0, "1e400", "5", 0,
     "Числото в полето „катет a“ по абсолютна стойност е по-голямо от най-голямото число, с "
     "което програмата работи "
     "(около 1,8·10³⁰⁸)."},
    {"negativeNumberBeyondRange", regions::bgBG(), 5, "3", "-1e999", 22,
     "Числото в полето „периметър P“ по абсолютна стойност е по-голямо от най-голямото число, "
     "с което програмата работи (около 1,8·10³⁰⁸)."},
    // The user's text is quoted as typed, never read as one of the message's own places.
    {"textLikeAPlaceOfTheMessage", regions::enUS(), 0, "{example}", "5", 0,
     "В полето „катет a“ няма число: „{example}“. Въведете число, например 12.5."},
    {"textLikeTheLimitsPlace", regions::bgBG(), 0, "3", "{limit}{decimal}", 1,
     "В полето „хипотенуза c“ няма число: „{limit}{decimal}“. Въведете число, например 12,5."},
    {"resultBeyondRange", regions::enUS(), 1, "1e-300", "1e300", 4,
     "Триъгълникът с катет a\u00A0=\u00A01.000·10⁻³⁰⁰ и лице S\u00A0=\u00A01.000·10³⁰⁰ не може да "
     "се изчисли: "
     "някоя от стойностите му е по-голяма от най-голямото число, с което програмата работи "
     "(около 1.8·10³⁰⁸)."},
};

INSTANTIATE_TEST_SUITE_P(Refusals, SolverFormRefusalTest, testing::ValuesIn(refusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolverFormLogicTest, SelectedRowTextJoinsTheRowWithTabs)
{
    window.choose(5);
    window.type(20, "3");
    window.type(22, "12");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.logic.SelectedRowText(), "3.000\t5.000\t12.000\t6.000");
}

} // namespace

namespace {

TEST_F(SolverFormLogicTest, ACalculatedRowDescribesTheWholeTriangle)
{
    window.region = regions::bgBG();
    window.type(0, "3");
    window.type(1, "5");
    window.logic.Command1_Click(0);
    // The 3-4-5 triangle, worked by hand: α = atan(3/4) = 36.8699°, h = 12/5, r = 1, R = 5/2,
    // sin α = 3/5, cos α = 4/5, tg α = 3/4, cotg α = 4/3.
    EXPECT_EQ(window.rowDetails[0], "Целият триъгълник:\n"
                                    "катет a = 3,000\n"
                                    "катет b = 4,000\n"
                                    "хипотенуза c = 5,000\n"
                                    "периметър P = 12,000\n"
                                    "лице S = 6,000\n"
                                    "ъгъл α срещу катета a = 36,870°\n"
                                    "ъгъл β срещу катета b = 53,130°\n"
                                    "височина към хипотенузата h = 2,400\n"
                                    "радиус на вписаната окръжност r = 1,000\n"
                                    "радиус на описаната окръжност R = 2,500\n"
                                    "sin α = 0,600, cos α = 0,800, tg α = 0,750, cotg α = 1,333\n"
                                    "sin β = 0,800, cos β = 0,600, tg β = 1,333, cotg β = 0,750");
    for (std::int16_t k = 1; k < triangle::VariantCount; ++k)
        EXPECT_EQ(window.rowDetails[k], "") << "row " << k;
}

TEST_F(SolverFormLogicTest, EverythingThatEndsACalculationPutsThePlainDescriptionsBack)
{
    auto calculate345 = [this] {
        window.choose(0);
        window.type(0, "3");
        window.type(1, "5");
        window.logic.Command1_Click(0);
        ASSERT_FALSE(window.rowDetails[0].empty());
    };

    calculate345();
    window.choose(2);
    EXPECT_EQ(window.rowDetails[0], "") << "choosing a variant";

    calculate345();
    window.logic.Command1_Click(1);
    EXPECT_EQ(window.rowDetails[0], "") << "clearing";

    calculate345();
    window.texts[0] = "5";
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.rowDetails[0], "") << "a failed check";

    calculate345();
    window.texts[0] = "1e400";
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.rowDetails[0], "") << "a text beyond range";
}

} // namespace

namespace {

TEST_F(SolverFormLogicTest, TheIsoscelesTriangleOfATextbookIsSolved)
{
    // c = 6, S = 9: both legs 3√2 = 4.2426..., P = 6 + 6√2 = 14.4853...
    window.region = regions::bgBG();
    window.choose(2);
    window.type(9, "6");
    window.type(11, "9");
    window.logic.Command1_Click(0);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.texts[8], "4,243");
    EXPECT_EQ(window.texts[9], "6,000");
    EXPECT_EQ(window.texts[10], "14,485");
    EXPECT_EQ(window.texts[11], "9,000");
}

} // namespace

namespace {

// What a user met: variant 3 with c = 10, S = 24 gives a = 8, P = 24; then S becomes 26.
class StaleValuesTest : public SolverFormLogicTest {
protected:
    void SetUp() override
    {
        SolverFormLogicTest::SetUp();
        window.region = regions::bgBG();
        window.choose(2);
        window.type(9, "10");
        window.type(11, "24");
        window.logic.Command1_Click(0);
        ASSERT_EQ(window.texts[8], "8,000");
        ASSERT_EQ(window.texts[10], "24,000");
        ASSERT_FALSE(window.rowDetails[2].empty());
        rowChangesBefore = window.rowChanges;
    }
    void expectResultsEmptied(const char* edit)
    {
        EXPECT_EQ(window.texts[8], "") << edit;
        EXPECT_EQ(window.texts[10], "") << edit;
        EXPECT_EQ(window.rowDetails[2], "") << edit;
        EXPECT_EQ(window.logic.SelectedRowOutcome().state, triangle::RowState::Empty) << edit;
        EXPECT_EQ(window.logic.SelectedRowText(), "") << edit;
        EXPECT_EQ(window.rowChanges, rowChangesBefore + 1) << edit;
    }

    int rowChangesBefore = 0;
};

TEST_F(StaleValuesTest, TypingInTheSecondGivenFieldEmptiesTheResults)
{
    window.type(11, "26");
    expectResultsEmptied("typing");
    EXPECT_EQ(window.texts[9], "10,000");
    EXPECT_EQ(window.texts[11], "26");
}

TEST_F(StaleValuesTest, PastingInTheFirstGivenFieldEmptiesTheResults)
{
    window.type(9, "12,5");
    expectResultsEmptied("pasting");
}

TEST_F(StaleValuesTest, CuttingAllOfAFieldEmptiesTheResults)
{
    window.type(9, "");
    expectResultsEmptied("cutting");
}

TEST_F(StaleValuesTest, UndoBackToTheSameTextStillEmptiesTheResults)
{
    // Undo may bring back the very text that was calculated; the row has been edited all
    // the same, and "Изчисли" gives its results again.
    window.type(11, "24,000");
    expectResultsEmptied("undo");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[8], "8,000");
}

TEST_F(StaleValuesTest, ASecondEditChangesNothingMore)
{
    window.type(11, "2");
    window.writes.clear();
    window.type(11, "26");
    EXPECT_TRUE(window.writes.empty());
    EXPECT_EQ(window.rowChanges, rowChangesBefore + 1);
}

TEST_F(StaleValuesTest, ARefusalWithoutAnEditEmptiesTheResultsToo)
{
    // A text that reached the field without the toolkit's edit notification.
    window.texts[11] = "26";
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[8], "");
    EXPECT_EQ(window.texts[9], "10,000");
    EXPECT_EQ(window.texts[10], "");
    EXPECT_EQ(window.texts[11], "26");
    EXPECT_EQ(window.rowDetails[2], "");
    EXPECT_EQ(window.logic.SelectedRowText(), "");
    EXPECT_EQ(window.focused, 11);
}

TEST_F(SolverFormLogicTest, TypingOverA345ResultEmptiesPerimeterAreaAndDescription)
{
    window.type(0, "3");
    window.type(1, "5");
    window.logic.Command1_Click(0);
    window.type(0, "500");
    EXPECT_EQ(window.texts[2], "");
    EXPECT_EQ(window.texts[3], "");
    EXPECT_EQ(window.rowDetails[0], "");
}

TEST_F(SolverFormLogicTest, OnlyTheCopyOfAWholeTriangleIsOffered)
{
    EXPECT_EQ(window.logic.SelectedRowText(), "") << "nothing calculated";
    window.type(0, "3");
    window.type(1, "5");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.logic.SelectedRowText(), "3.000\t5.000\t12.000\t6.000");
    window.type(1, "2");
    EXPECT_EQ(window.logic.SelectedRowText(), "") << "edited";
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.logic.SelectedRowText(), "") << "refused";
}

TEST_F(SolverFormLogicTest, ACalculationIsAnnouncedWithItsTwoResults)
{
    window.region = regions::bgBG();
    window.type(0, "3");
    window.type(1, "5");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.announcements, (std::vector<std::string>{"Изчислено: P = 12,000, S = 6,000"}));
    window.choose(2);
    window.type(9, "5");
    window.type(11, "6");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.announcements.back(), "Изчислено: a = 4,000, P = 12,000");
    window.type(11, "7");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.announcements.size(), 2u) << "a refusal speaks through its message box";
}

TEST_F(SolverFormLogicTest, TheSelectedRowsOutcomeFollowsEveryChange)
{
    const auto& outcome = window.logic.SelectedRowOutcome();
    EXPECT_EQ(outcome.state, triangle::RowState::Empty);
    int changes = window.rowChanges;

    window.choose(4);
    EXPECT_EQ(window.rowChanges, ++changes) << "variant chosen";
    EXPECT_EQ(outcome.variant, 4);
    window.type(18, "12");
    window.type(19, "6");
    EXPECT_EQ(window.rowChanges, changes) << "typing before any result changes nothing";
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.rowChanges, ++changes) << "calculated";
    EXPECT_EQ(outcome.state, triangle::RowState::Solved);
    EXPECT_EQ(outcome.row.a, 3.0);
    EXPECT_EQ(outcome.row.b, 4.0);
    EXPECT_EQ(outcome.row.c, 5.0);

    window.type(19, "7");
    window.logic.Command1_Click(0);
    changes += 2; // the edit and the refusal
    EXPECT_EQ(window.rowChanges, changes);
    EXPECT_EQ(outcome.state, triangle::RowState::Refused);
    ASSERT_TRUE(outcome.refusal.has_value());
    EXPECT_EQ(outcome.refusal->reason, triangle::RefusalReason::AreaTooLargeForPerimeter);
    EXPECT_EQ(outcome.refusal->first, 12.0);
    EXPECT_EQ(outcome.refusal->second, 7.0);
    EXPECT_EQ(outcome.message, window.messages.back().second);

    window.logic.Command1_Click(1);
    EXPECT_EQ(window.rowChanges, ++changes) << "cleared";
    EXPECT_EQ(outcome.state, triangle::RowState::Empty);
    EXPECT_EQ(outcome.variant, 4);
}

TEST_F(SolverFormLogicTest, TheShownIsoscelesTriangleTypedBackIsAccepted)
{
    window.region = regions::bgBG();
    window.choose(2);
    window.type(9, "6");
    window.type(11, "9");
    window.logic.Command1_Click(0);
    ASSERT_EQ(window.texts[10], "14,485");
    window.choose(4);
    window.type(18, "14,485");
    window.type(19, "9,000");
    window.logic.Command1_Click(0);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.texts[16], "4,243");
    EXPECT_EQ(window.texts[17], "6,000");
}

TEST_F(SolverFormLogicTest, ACommaIsReadAsTheDecimalSeparatorOnlyWhereItIsOne)
{
    // Legs 2.5 and 6: hypotenuse 6.5, perimeter 15.
    window.region = regions::bgBG();
    window.type(0, "2,5");
    window.type(1, "6,5");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[2], "15,000");

    window.region = regions::enUS();
    window.type(0, "2,5");
    window.type(1, "6,5");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[2], "");
    ASSERT_EQ(window.messages.size(), 1u);
}

// The row's own entries of a field's menu and the double click, in each state a row can be
// in. Rows count from 0; the selected row is the one whose fields are checked against.
struct FieldActionCase {
    const char* name;
    std::int16_t variant;
    std::vector<std::pair<int, std::string>> typed; // in order
    bool calculate;
    std::vector<std::pair<int, std::string>> typedAfter;
    bool wholeTriangle; // on the selected row's fields; never on another row's
    bool copyRow;       // on every field
    bool doubleClickOpens;
};

void PrintTo(const FieldActionCase& c, std::ostream* os)
{
    *os << c.name;
}

class FieldActionTest : public SolverFormLogicTest,
                        public testing::WithParamInterface<FieldActionCase> {};

TEST_P(FieldActionTest, OfferOnlyWhatTheRowHasToShow)
{
    const FieldActionCase& c = GetParam();
    window.choose(c.variant);
    for (const auto& [field, text] : c.typed)
        window.type(field, text);
    if (c.calculate)
        window.logic.Command1_Click(0);
    for (const auto& [field, text] : c.typedAfter)
        window.type(field, text);

    for (std::int16_t i = 0; i < triangle::FieldCount; ++i) {
        SCOPED_TRACE(i);
        const bool selectedRow = i / triangle::ColumnCount == c.variant;
        const triangle::FieldMenuState menu = window.logic.FieldMenu(i);
        EXPECT_EQ(menu.wholeTriangle, selectedRow && c.wholeTriangle);
        EXPECT_EQ(menu.wholeTriangle, !window.rowDetails[i / triangle::ColumnCount].empty())
            << "offered exactly where the fields describe the triangle";
        EXPECT_EQ(menu.solution, selectedRow);
        EXPECT_EQ(menu.copyRow, c.copyRow);
        EXPECT_EQ(window.logic.DoubleClickOpensSolution(i), selectedRow && c.doubleClickOpens);
    }
}

const FieldActionCase fieldActionCases[] = {
    {"NothingCalculated", 0, {}, false, {}, false, false, false},
    {"OnlyTyped", 0, {{0, "3"}, {1, "5"}}, false, {}, false, false, false},
    {"Solved345", 0, {{0, "3"}, {1, "5"}}, true, {}, true, true, true},
    {"SolvedThirdVariant", 2, {{9, "5"}, {11, "6"}}, true, {}, true, true, true},
    {"RefusedLegLongerThanHypotenuse", 0, {{0, "6"}, {1, "5"}}, true, {}, false, false, false},
    {"EditedAfterSolving", 0, {{0, "3"}, {1, "5"}}, true, {{1, "6"}}, false, false, false},
};

INSTANTIATE_TEST_SUITE_P(RowStates, FieldActionTest, testing::ValuesIn(fieldActionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolverFormLogicTest, EnterCalculatesOnlyFromAFieldOpenForTyping)
{
    // With nothing typed, a calculation is a refusal: its message tells that one happened.
    for (std::int16_t k = 0; k < triangle::VariantCount; ++k) {
        for (std::int16_t i = 0; i < triangle::FieldCount; ++i) {
            SCOPED_TRACE(testing::Message() << "variant " << k << ", field " << i);
            FakeControls fresh;
            fresh.logic.Form_Load();
            fresh.choose(k);
            fresh.logic.Text2_KeyEnter(i);
            EXPECT_EQ(fresh.messages.size(), fresh.acceptsTyping(i) ? 1u : 0u);
        }
    }
}

TEST_F(SolverFormLogicTest, EnterInAGivenFieldCalculatesTheRow)
{
    window.type(0, "3");
    window.type(1, "5");
    window.logic.Text2_KeyEnter(1);
    EXPECT_EQ(window.texts[2], "12.000");
    EXPECT_EQ(window.texts[3], "6.000");
}

} // namespace
