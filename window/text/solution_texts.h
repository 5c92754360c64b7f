#pragma once

// The texts of "Решение" and of the steps both second windows show. UTF-8.

namespace triangle::texts {

// The window "Решение": the triangle of the selected row drawn to scale and its calculation.
inline constexpr const char* SolutionTitle = "Решение";
inline constexpr const char* DrawingName = "Чертеж на триъгълника";
inline constexpr const char* StepsName = "Решение стъпка по стъпка";
inline constexpr const char* CopySteps = "Копирай решението като текст";
inline constexpr const char* CopyDrawing = "Копирай чертежа като картина";
// The calculation step by step: the given values, then each formula as evaluated.
inline constexpr const char* StepsGiven = "{variant}. Дадени: {first} и {second}.";
inline constexpr const char* StepsRest = "Останалите елементи на триъгълника:";
// What an intermediate quantity is, on the line before the step that works it out.
inline constexpr const char* StepsSumOfLegs = "s = a + b, сборът на катетите:";
inline constexpr const char* StepsLegsDifferenceAMinusB = "t = a − b, разликата на катетите:";
inline constexpr const char* StepsLegsDifferenceBMinusA = "t = b − a, разликата на катетите:";
inline constexpr const char* StepsSquareOfBAsProduct = "b² = c² − a² = (c − a)(c + a), откъдето:";
inline constexpr const char* StepsSquareOfAAsProduct = "a² = c² − b² = (c − b)(c + b), откъдето:";
inline constexpr const char* StepsLegsDifferenceFromSum =
    "(b − a)² = 2(a² + b²) − (a + b)² = 2c² − (a + b)², откъдето:";
// The radicand of the legs' difference, {radicand} with names and {value} its value, lies
// below zero only as far as typing the given values to three decimals can take it.
inline constexpr const char* StepsIsoscelesWithinRounding =
    "Подкоренната величина {radicand} = {value} е под нула само в рамките на закръглянето на "
    "дадените стойности до хилядни, затова триъгълникът е равнобедрен:";
inline constexpr const char* StepsAtBound =
    "На границата е равнобедреният правоъгълен триъгълник, начертан горе:";
inline constexpr const char* StepsDegenerate =
    "На границата триъгълникът се изражда в отсечка, затова няма чертеж.";
inline constexpr const char* NoDrawing =
    "Няма изчислен триъгълник. Изберете вариант, въведете двете дадени стойности и натиснете "
    "„Изчисли“.";
inline constexpr const char* DrawingDescription =
    "Чертеж в мащаб на правоъгълния триъгълник ABC с прав ъгъл при върха C. Хипотенузата "
    "AB, c = {c}, е хоризонтална, а върхът C е над нея. Катетът BC е a = {a}, катетът CA е "
    "b = {b}. При върха A е ъгълът {alpha}, при върха B е ъгълът {beta}. С "
    "пунктир е начертана височината от C към хипотенузата, h = {h}. Вписаната окръжност "
    "има радиус r = {r}. Описаната окръжност има радиус R = {R} и център в средата на "
    "хипотенузата.";

// The step that says the given values are past the bound {bound} = {value} only within
// their rounding to thousandths.
inline constexpr const char* StepsBoundWithinRounding =
    "Дадените стойности са извън границата {bound} = {value} само в рамките на закръглянето "
    "им до хилядни, затова триъгълникът е равнобедрен:";
inline constexpr const char* ElementStepsGiven = "Дадени: {first} и {second}.";
// A quantity found as the root of an equation, numerically.
inline constexpr const char* StepsSolvedNumerically =
    "{name} е коренът на уравнението {equation}, намерен числено:";

// An angle from its tangent: "tg α = a / b = 7/24 ⇒ α ≈ 16°16′".
inline constexpr const char* StepsTangent = "tg ";
inline constexpr const char* StepsTherefore = " ⇒ ";

} // namespace triangle::texts
