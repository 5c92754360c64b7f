#pragma once

// The relation fields of the window of any two elements: their label, their tooltip and why a
// text typed there does not read. UTF-8. In the messages, {text} stands for the text as typed,
// {examples} for RelationExamples, {names} for RelationNames and {decimal} for the region's
// decimal separator.

namespace triangle::texts {

inline constexpr const char* RelationFieldLabel = "Връзка между два елемента";
inline constexpr const char* RelationFieldTip =
    "Връзка между два елемента, както е дадена в задачата: a : b = 5 : 12, a + b = 23, "
    "c − a = 1, c = 2a, b = a√3, α : β = 1 : 5 или α − β = 40°.\n"
    "С клавиатурата: a:b=5:12, a1:b1=2:3, c-a=1, c=2a, c=2*a, b=a*sqrt(3); α се пише и alpha "
    "или алфа, β и beta или бета, медианите и ъглополовящите m_a, m_b, l_a, l_b, l_c и ma, mb, "
    "la, lb, lc. На кирилица а, б, с и Р се четат като a, b, c и P.\n"
    "Връзката е между две дължини (периметърът е една от тях) или между двата остри ъгъла.";

inline constexpr const char* RelationExamples =
    "a : b = 5 : 12, a + b = 23, c − a = 1, c = 2a или α − β = 40°";
inline constexpr const char* RelationNames =
    "a, b, c, h, a₁ (a1), b₁ (b1), P, r, R, α (alpha, алфа), β (beta, бета), m_a (ma), m_b "
    "(mb), l_a (la), l_b (lb) и l_c (lc)";

inline constexpr const char* RelationEmpty =
    "Полето „Връзка между два елемента“ е празно. Напишете връзка, например {examples}.";
inline constexpr const char* RelationNotARelation =
    "„{text}“ не е връзка между два елемента. Пишете например {examples}.";
inline constexpr const char* RelationUnknownElement =
    "В „{text}“ има име, което не е елемент на триъгълника. Във връзка могат да се пишат "
    "{names}.";
inline constexpr const char* RelationNumberText =
    "Числото във връзката „{text}“ не се чете. Пишете числата като в полетата: 5, 12,5, 3/5 "
    "или 2√3, например {examples}.";
inline constexpr const char* RelationDecimalSeparator =
    "Числото във връзката „{text}“ не се чете: в регионалните настройки на компютъра "
    "десетичният знак е „{decimal}“.";
inline constexpr const char* RelationBlankInside =
    "Във връзката „{text}“ между цифрите на едно число има интервал. Пишете всяко число "
    "слято, например {examples}.";
inline constexpr const char* RelationBeyondRange =
    "Число във връзката „{text}“ е по-голямо от най-голямото число, с което програмата работи.";
inline constexpr const char* RelationMixedKinds =
    "„{text}“ свързва елементи от различен вид. Връзката е между две дължини (страни, "
    "височина, проекции, радиуси или периметър) или между двата остри ъгъла α и β; лицето, "
    "синусът, косинусът, тангенсът и котангенсът не влизат във връзка.";
inline constexpr const char* RelationSameElement =
    "„{text}“ свързва елемент със самия него. Връзката е между два различни елемента, "
    "например {examples}.";
inline constexpr const char* RelationNotPositive =
    "Числата във връзката „{text}“ трябва да са положителни.";

} // namespace triangle::texts
