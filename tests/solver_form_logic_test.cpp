#include "window/solver_form_logic.h"

#include "solver/variant_solver.h"
#include "tests/fake_controls.h"
#include "tests/regions.h"
#include "window/ui_texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using triangle::CalculationFault;

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

TEST_F(SolverFormLogicTest, FailedCheckRewritesTheGivenFieldsAndEmptiesTheOthers)
{
    window.type(0, "5");
    window.type(1, "3");
    window.texts[2] = "old";
    window.texts[3] = "old";
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[0], "5.000");
    EXPECT_EQ(window.texts[1], "3.000");
    EXPECT_EQ(window.texts[2], "");
    EXPECT_EQ(window.texts[3], "");
    EXPECT_TRUE(window.messages.empty());
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

struct FaultCase {
    const char* name;
    std::int16_t k;
    std::string first;
    std::string second;
    const char* message;
};

class SolverFormFaultTest : public SolverFormLogicTest,
                            public testing::WithParamInterface<FaultCase> {};

TEST_P(SolverFormFaultTest, FaultIsShownAndNothingIsLost)
{
    const FaultCase& c = GetParam();
    window.choose(c.k);
    const triangle::GivenColumns given = triangle::GivenColumnsOf(c.k);
    const int first = 4 * c.k + given.first;
    const int second = 4 * c.k + given.second;
    ASSERT_TRUE(window.type(first, c.first));
    ASSERT_TRUE(window.type(second, c.second));
    const auto textsBefore = window.texts;
    const auto locksBefore = window.locked;
    window.writes.clear();

    window.logic.Command1_Click(0);

    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].first, "Грешка при изчислението");
    EXPECT_EQ(window.messages[0].second, c.message);
    EXPECT_TRUE(window.writes.empty());
    EXPECT_EQ(window.texts, textsBefore);
    EXPECT_EQ(window.locked, locksBefore);
    EXPECT_EQ(window.selected, c.k);
    EXPECT_EQ(window.logic.SelectedVariant(), c.k);

    // The next calculation works normally.
    window.choose(0);
    window.type(0, "3");
    window.type(1, "5");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.texts[3], "6.000");
    EXPECT_EQ(window.messages.size(), 1u);
}

const FaultCase faultCases[] = {
    {"noTriangleWithThatArea", 2, "1", "1",
     "Квадратен корен от отрицателно число: няма правоъгълен триъгълник с тези стойности."},
    {"areaTooLargeForPerimeter", 4, "1", "2",
     "Квадратен корен от отрицателно число: няма правоъгълен триъгълник с тези стойности."},
    {"numberTooLarge", 0, "1e400", "5",
     "Препълване: число или резултат е извън допустимия обхват."},
    {"resultTooLarge", 1, "1e-300", "1e300",
     "Препълване: число или резултат е извън допустимия обхват."},
};

INSTANTIATE_TEST_SUITE_P(Faults, SolverFormFaultTest, testing::ValuesIn(faultCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FaultMessage, NamesEachKindOfFault)
{
    EXPECT_STREQ(triangle::FaultMessage(CalculationFault::Overflow),
                 "Препълване: число или резултат е извън допустимия обхват.");
    EXPECT_STREQ(triangle::FaultMessage(CalculationFault::DivisionByZero), "Деление на нула.");
    EXPECT_STREQ(
        triangle::FaultMessage(CalculationFault::InvalidSquareRoot),
        "Квадратен корен от отрицателно число: няма правоъгълен триъгълник с тези стойности.");
}

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
    // The 3-4-5 triangle, worked by hand: α = atan(3/4) = 36.8699°, h = 12/5, r = 1, R = 5/2.
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
                                    "радиус на описаната окръжност R = 2,500");
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
    window.type(0, "5");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.rowDetails[0], "") << "a failed check";

    calculate345();
    window.type(0, "1e400");
    window.logic.Command1_Click(0);
    EXPECT_EQ(window.rowDetails[0], "") << "a fault";
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
