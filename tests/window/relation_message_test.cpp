#include "window/text/relation_message.h"

#include "tests/regions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using triangle::RelationTextProblem;

struct MessageRow {
    std::string name;
    triangle::RelationTextFault fault;
    std::string typed;
    std::string message;
};

// The message names the text as typed, in quotes, and says what may be typed instead.
TEST(RelationMessage, NamesTheTextAndWhatToType)
{
    const std::vector<MessageRow> rows = {
        {"not_a_relation",
         {RelationTextProblem::NotARelation},
         "a:b=5:",
         "„a:b=5:“ не е връзка между два елемента. Пишете например a : b = 5 : 12, "
         "a + b = 23, c − a = 1, c = 2a или α − β = 40°."},
        {"unknown_name",
         {RelationTextProblem::UnknownElement},
         "x + b = 3",
         "В „x + b = 3“ има име, което не е елемент на триъгълника. Във връзка могат да се "
         "пишат a, b, c, h, a₁ (a1), b₁ (b1), P, r, R, α (alpha, алфа), β (beta, бета), m_a "
         "(ma), m_b (mb), l_a (la), l_b (lb) и l_c (lc)."},
        {"decimal_separator",
         {RelationTextProblem::NumberText, triangle::FieldTextProblem::DecimalSeparator},
         "a + b = 2,5",
         "Числото във връзката „a + b = 2,5“ не се чете: в регионалните настройки на "
         "компютъра десетичният знак е „.“."},
        {"braces_typed_stay",
         {RelationTextProblem::NotPositive},
         "c - a = {examples}",
         "Числата във връзката „c - a = {examples}“ трябва да са положителни."},
    };
    for (const MessageRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(triangle::RelationTextMessage(row.fault, row.typed, regions::enUS()),
                  row.message);
    }
}

} // namespace
