#include "window/text/spoken_text.h"

#include <gtest/gtest.h>

using triangle::Speech;
using triangle::SpokenText;

namespace {

// Every kind of step and sign, spoken as written by hand.
struct SpokenCase {
    const char* shown;
    Speech speech;
    const char* spoken;
};

TEST(SpokenText, SaysEverySignOfAStepInBulgarianWords)
{
    const SpokenCase cases[] = {
        {"b = √(c² − a²) = √(10² − 5²) = √75 = 5√3 ≈ 8,660", Speech::Step,
         "b е равно на корен квадратен от c на квадрат минус a на квадрат, равно на корен "
         "квадратен от 10 на квадрат минус 5 на квадрат, равно на корен квадратен от 75, равно на "
         "5 корен квадратен от 3, приблизително 8,660"},
        {"a = c·sin α = 10·sin 30° = 5", Speech::Step,
         "a е равно на c по синус алфа, равно на 10 по синус 30 градуса, равно на 5"},
        {"β = arctg(b / a) = arctg(4,000 / 3,000) = 53,130°", Speech::Step,
         "бета е равно на аркустангенс от b върху a, равно на аркустангенс от 4,000 върху 3,000, "
         "равно на 53,130 градуса"},
        {"a₁ = √((a − h)·(a + h)) = 3,600", Speech::Step,
         "a едно е равно на корен квадратен от скоба a минус h, край на скобата по скоба a плюс "
         "h, край на скобата, равно на 3,600"},
        {"sin 15° = (√6 − √2)/4", Speech::Step,
         "синус 15 градуса е равно на корен квадратен от 6 минус корен квадратен от 2, цялото "
         "върху 4"},
        {"P = 1\u00A0234,500 и S ≈ −2", Speech::Step,
         "P е равно на 1234,500 и S, приблизително минус 2"},
        {"при тази хипотенуза лицето е най-много c²/4\u00A0=\u00A025,000.", Speech::Sentence,
         "при тази хипотенуза лицето е най-много c на квадрат върху 4, равно на 25,000."},
        {"h\u00A0<\u00A0a\u00A0=\u00A06,000", Speech::Sentence,
         "h е по-малко от a, равно на 6,000"},
    };
    for (const SpokenCase& c : cases)
        EXPECT_EQ(SpokenText(c.shown, c.speech), c.spoken) << c.shown;
}

// The exact forms as they are written, said.
TEST(SpokenText, SaysEveryExactFormInWords)
{
    const SpokenCase cases[] = {
        {"10/3", Speech::Sentence, "10 върху 3"},
        {"5√3/2", Speech::Sentence, "5 корен квадратен от 3 върху 2"},
        {"−3√2", Speech::Sentence, "минус 3 корен квадратен от 2"},
        {"√46 − 2", Speech::Sentence, "корен квадратен от 46 минус 2"},
        {"(√6 − √2)/4", Speech::Sentence,
         "корен квадратен от 6 минус корен квадратен от 2, цялото върху 4"},
        {"√(12\u00A0345)", Speech::Sentence, "корен квадратен от 12345"},
    };
    for (const SpokenCase& c : cases)
        EXPECT_EQ(SpokenText(c.shown, c.speech), c.spoken) << c.shown;
}

} // namespace
