#pragma once

// Every text the window shows, in one place. UTF-8.

namespace triangle::texts {

inline constexpr const char* WebAddress = "https://triangle.example.org";
inline constexpr const char* Caption =
    "https://triangle.example.org  Геометрия - правоъгълен триъгълник";
inline constexpr const char* ApplicationName = "Правоъгълен триъгълник";

inline constexpr const char* Heading = "Геометрия - изчисляване на правоъгълен триъгълник";
inline constexpr const char* ColumnHeads[4] = {"a", "c", "P", "S"};
inline constexpr const char* VariantsFrame = "Варианти";
inline constexpr const char* Variants[6] = {"Вариант 1", "Вариант 2", "Вариант 3",
                                            "Вариант 4", "Вариант 5", "Вариант 6"};
inline constexpr const char* Calculate = "Изчисли";
inline constexpr const char* Clear = "Изчисти";

// Quantity names for tooltips and, after the variant, for accessible names.
inline constexpr const char* QuantityNames[4] = {"катет a", "хипотенуза c", "периметър P",
                                                 "лице S"};
inline constexpr const char* QuantityTips[4] = {"Катет a", "Хипотенуза c", "Периметър P", "Лице S"};
inline constexpr const char* VariantGivens[6] = {
    "Дадени: катет a и хипотенуза c", "Дадени: катет a и лице S",
    "Дадени: хипотенуза c и лице S",  "Дадени: хипотенуза c и периметър P",
    "Дадени: периметър P и лице S",   "Дадени: катет a и периметър P"};
inline constexpr const char* CalculateDescription =
    "Изчислява останалите два параметъра на избрания вариант (Enter)";
inline constexpr const char* ClearDescription = "Изчиства всички полета";
inline constexpr const char* TaskName = "Условие на задачата";
inline constexpr const char* CopyRow = "Копирай реда на избрания вариант";
// The context menu's entry that shows a calculated row's whole triangle beside the field.
inline constexpr const char* WholeTriangle = "Целият триъгълник";
// The editing entries of a field's context menu on Windows, which the program lists itself
// above its own.
inline constexpr const char* EditUndo = "&Отмени";
inline constexpr const char* EditCut = "Из&режи";
inline constexpr const char* EditCopy = "&Копирай";
inline constexpr const char* EditPaste = "&Постави";
inline constexpr const char* EditDelete = "&Изтрий";
inline constexpr const char* EditSelectAll = "Избери &всичко";

// The whole triangle behind a calculated row, one quantity per line.
inline constexpr const char* DetailsHeading = "Целият триъгълник:";
inline constexpr const char* DetailLegA = "катет a";
inline constexpr const char* DetailLegB = "катет b";
inline constexpr const char* DetailHypotenuse = "хипотенуза c";
inline constexpr const char* DetailPerimeter = "периметър P";
inline constexpr const char* DetailArea = "лице S";
inline constexpr const char* DetailAlpha = "ъгъл α срещу катета a";
inline constexpr const char* DetailBeta = "ъгъл β срещу катета b";
inline constexpr const char* DetailHeight = "височина към хипотенузата h";
inline constexpr const char* DetailInscribed = "радиус на вписаната окръжност r";
inline constexpr const char* DetailCircumscribed = "радиус на описаната окръжност R";
inline constexpr const char* Degree = "°";

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
    "b = {b}. При върха A е ъгълът α = {alpha}, при върха B е ъгълът β = {beta}. С "
    "пунктир е начертана височината от C към хипотенузата, h = {h}. Вписаната окръжност "
    "има радиус r = {r}. Описаната окръжност има радиус R = {R} и център в средата на "
    "хипотенузата.";

// Why a calculation gave no triangle. In the texts, {givens} stands for the two given
// quantities with their values ("хипотенуза c = 10,000 и лице S = 26,000"), {bound} for
// "=" and the bound's value (left out when it is beyond every number), {field} for a
// field's quantity ("катет a"), {text} for its text as typed, {decimal} for the region's
// decimal separator, {subject} for a given quantity ("Лицето S") and {value} for its value,
// {example} for a number as it could be typed and {limit} for the largest number the program
// works with. Numbers are in the user's region.
inline constexpr const char* RefusalTitle = "Триъгълникът не може да се изчисли";
// Each given quantity as the subject of a sentence.
inline constexpr const char* QuantitySubjects[4] = {"Катетът a", "Хипотенузата c", "Периметърът P",
                                                    "Лицето S"};
inline constexpr const char* FieldEmpty = "Полето „{field}“ е празно. Въведете число, например "
                                          "{example}.";
inline constexpr const char* FieldNoNumber =
    "В полето „{field}“ няма число: „{text}“. Въведете число, например {example}.";
inline constexpr const char* FieldDecimalSeparator =
    "„{text}“ в полето „{field}“ не е число: в регионалните настройки на компютъра десетичният "
    "знак е „{decimal}“, например {example}.";
inline constexpr const char* FieldBlankInside =
    "„{text}“ в полето „{field}“ не е едно число: между знаците му има интервал или "
    "табулация. Въведете едно число, например {example}.";
inline constexpr const char* FieldNotOneNumber =
    "„{text}“ в полето „{field}“ не е едно число. Въведете само числото, например {example}.";
inline constexpr const char* FieldBeyondRange =
    "Числото в полето „{field}“ по абсолютна стойност е по-голямо от най-голямото число, с "
    "което програмата работи (около {limit}).";
inline constexpr const char* NotPositive = "{subject} трябва да е положително число, а е "
                                           "{value}.";
inline constexpr const char* LegNotShorterThanHypotenuse =
    "Няма правоъгълен триъгълник с {givens}: катетът винаги е по-къс от хипотенузата, "
    "a\u00A0<\u00A0c{bound}.";
inline constexpr const char* AreaTooLargeForHypotenuse =
    "Няма правоъгълен триъгълник с {givens}: при тази хипотенуза лицето е най-много "
    "c²/4{bound}.";
inline constexpr const char* PerimeterTooShortForHypotenuse =
    "Няма правоъгълен триъгълник с {givens}: двата катета заедно са по-дълги от хипотенузата, "
    "затова периметърът е по-голям от 2c{bound}.";
inline constexpr const char* PerimeterTooLongForHypotenuse =
    "Няма правоъгълен триъгълник с {givens}: при тази хипотенуза периметърът е най-много "
    "(1 + √2)·c{bound}.";
inline constexpr const char* AreaTooLargeForPerimeter =
    "Няма правоъгълен триъгълник с {givens}: при този периметър лицето е най-много "
    "(3 − 2√2)·P²/4{bound}.";
inline constexpr const char* PerimeterTooShortForLeg =
    "Няма правоъгълен триъгълник с {givens}: другият катет и хипотенузата заедно са по-дълги "
    "от катета a, затова периметърът е по-голям от 2a{bound}.";
inline constexpr const char* ResultBeyondRange =
    "Триъгълникът с {givens} не може да се изчисли: някоя от стойностите му е по-голяма от "
    "най-голямото число, с което програмата работи (около {limit}).";
inline constexpr const char* ResultTooSmall =
    "Триъгълникът с {givens} не може да се изчисли: някоя от стойностите му е по-малка от "
    "най-малкото число, с което програмата работи (около {smallest}).";
inline constexpr const char* NoTriangle = "Няма правоъгълен триъгълник с {givens}.";
inline constexpr const char* GivensJoined = "{first} и {second}";
// A no-break space on each side of "=", so that a message never breaks a value from its name.
inline constexpr const char* QuantityValue = "{quantity}\u00A0=\u00A0{value}";
inline constexpr const char* BoundValue = "\u00A0=\u00A0{value}";

// Any two of the twelve elements. Each element's name in a message, "височина h = 6,000",
// and as the subject of a sentence; in the order of triangle::Element.
inline constexpr const char* DetailProjectionA = "проекция на катета a върху хипотенузата a₁";
inline constexpr const char* DetailProjectionB = "проекция на катета b върху хипотенузата b₁";
inline constexpr const char* ElementNames[12] = {"катет a",
                                                 "катет b",
                                                 "хипотенуза c",
                                                 "ъгъл α",
                                                 "ъгъл β",
                                                 "височина h",
                                                 "проекция a₁",
                                                 "проекция b₁",
                                                 "лице S",
                                                 "периметър P",
                                                 "радиус на вписаната окръжност r",
                                                 "радиус на описаната окръжност R"};
inline constexpr const char* ElementSubjects[12] = {
    "Катетът a", "Катетът b",     "Хипотенузата c", "Ъгълът α",
    "Ъгълът β",  "Височината h",  "Проекцията a₁",  "Проекцията b₁",
    "Лицето S",  "Периметърът P", "Радиусът r",     "Радиусът R"};
// Why two elements give no triangle: after "{givens}: ", each bound's reason, where {leg},
// {projection} and {angle} stand for a, a₁ and α or for b, b₁ and β, and {bound} for "="
// and the bound's value. The bounds reached only by a flat or an endless triangle say so.
inline constexpr const char* ElementRefused = "Няма правоъгълен триъгълник с {givens}: {reason}";
inline constexpr const char* ElementBoundReasons[] = {
    // a < c
    "катетът винаги е по-къс от хипотенузата, {leg}\u00A0<\u00A0c{bound}. При {leg}\u00A0=\u00A0c "
    "триъгълникът би се изродил в отсечка.",
    // a₁ < c
    "проекцията на катет върху хипотенузата винаги е по-къса от хипотенузата, "
    "{projection}\u00A0<\u00A0c{bound}. При {projection}\u00A0=\u00A0c триъгълникът би се "
    "изродил в отсечка.",
    // a₁ < a
    "проекцията на катет върху хипотенузата винаги е по-къса от самия катет, "
    "{projection}\u00A0<\u00A0{leg}{bound}. При {projection}\u00A0=\u00A0{leg} триъгълникът би "
    "се изродил в отсечка.",
    // h < a
    "височината към хипотенузата винаги е по-къса от катета, h\u00A0<\u00A0{leg}{bound}. При "
    "h\u00A0=\u00A0{leg} триъгълникът би бил безкрайно дълъг.",
    // a < 2R
    "хипотенузата е диаметър на описаната окръжност, c\u00A0=\u00A02R, а катетът е по-къс от "
    "нея, {leg}\u00A0<\u00A02R{bound}. При {leg}\u00A0=\u00A02R триъгълникът би се изродил в "
    "отсечка.",
    // a₁ < 2R
    "хипотенузата е диаметър на описаната окръжност, c\u00A0=\u00A02R, а проекцията на катет "
    "върху нея е по-къса от нея, {projection}\u00A0<\u00A02R{bound}. При "
    "{projection}\u00A0=\u00A02R триъгълникът би се изродил в отсечка.",
    // r < a/2
    "радиусът на вписаната окръжност винаги е по-малък от половината на катета, "
    "r\u00A0<\u00A0{leg}/2{bound}. При r\u00A0=\u00A0{leg}/2 триъгълникът би бил безкрайно "
    "дълъг.",
    // r < h/2
    "радиусът на вписаната окръжност винаги е по-малък от половината на височината към "
    "хипотенузата, r\u00A0<\u00A0h/2{bound}. При r\u00A0=\u00A0h/2 триъгълникът би бил "
    "безкрайно дълъг.",
    // P > 2a
    "другият катет и хипотенузата заедно са по-дълги от катета {leg}, затова периметърът е "
    "по-голям от 2{leg}{bound}. При P\u00A0=\u00A02{leg} триъгълникът би се изродил в отсечка.",
    // P > 2a₁
    "катетите заедно са по-дълги от хипотенузата, а тя е по-дълга от проекцията, затова "
    "периметърът е по-голям от 2{projection}{bound}. При P\u00A0=\u00A02{projection} "
    "триъгълникът би се изродил в отсечка.",
    // P > 2c
    "двата катета заедно са по-дълги от хипотенузата, затова периметърът е по-голям от "
    "2c{bound}. При P\u00A0=\u00A02c триъгълникът би се изродил в отсечка.",
    // P > 4R
    "хипотенузата е c\u00A0=\u00A02R, а двата катета заедно са по-дълги от нея, затова "
    "периметърът е по-голям от 4R{bound}. При P\u00A0=\u00A04R триъгълникът би се изродил в "
    "отсечка.",
    // α < 90°
    "острият ъгъл на правоъгълния триъгълник е по-малък от правия, "
    "{angle}\u00A0<\u00A090°{bound}. При {angle}\u00A0=\u00A090° триъгълникът би се изродил в "
    "отсечка.",
    // S ≤ c²/4
    "при тази хипотенуза лицето е най-много c²/4{bound}.",
    // P ≤ (1 + √2)·c
    "при тази хипотенуза периметърът е най-много (1 + √2)·c{bound}.",
    // S ≤ (3 − 2√2)·P²/4
    "при този периметър лицето е най-много (3 − 2√2)·P²/4{bound}.",
    // h ≤ c/2
    "височината към хипотенузата е най-много c/2{bound}.",
    // r ≤ (√2 − 1)·c/2
    "при тази хипотенуза радиусът на вписаната окръжност е най-много (√2 − 1)·c/2{bound}.",
    // S ≥ h²
    "при тази височина лицето е поне h²{bound}.",
    // h ≤ (√2 − 1)·P/2
    "при този периметър височината към хипотенузата е най-много (√2 − 1)·P/2{bound}.",
    // r ≥ (√2 − 1)·h
    "при тази височина радиусът на вписаната окръжност е поне (√2 − 1)·h{bound}.",
    // h ≤ R
    "височината към хипотенузата е най-много колкото радиуса на описаната окръжност, "
    "h\u00A0≤\u00A0R{bound}.",
    // S ≥ (3 + 2√2)·r²
    "при този радиус на вписаната окръжност лицето е поне (3 + 2√2)·r²{bound}.",
    // S ≤ R²
    "при този радиус на описаната окръжност лицето е най-много R²{bound}.",
    // r ≤ (3 − 2√2)·P/2
    "при този периметър радиусът на вписаната окръжност е най-много (3 − 2√2)·P/2{bound}.",
    // P ≤ 2(1 + √2)·R
    "при този радиус на описаната окръжност периметърът е най-много 2(1 + √2)·R{bound}.",
    // r ≤ (√2 − 1)·R
    "радиусът на вписаната окръжност е най-много (√2 − 1)·R{bound}.",
};
inline constexpr const char* ElementSameTwice =
    "{field} е даден два пъти. Въведете два различни елемента на триъгълника.";
inline constexpr const char* ElementOnlyTheShape =
    "{givens} определят само формата на триъгълника, не и размера му: винаги "
    "α\u00A0+\u00A0β\u00A0=\u00A090°. Въведете вместо единия ъгъл някоя дължина или лицето.";
inline constexpr const char* ElementOnlyTheSize =
    "{givens} определят само размера на триъгълника, не и формата му: винаги "
    "R\u00A0=\u00A0c/2. Въведете вместо едното от двете друг елемент.";
// The step that says the given values are past the bound {bound} = {value} only within
// their rounding to thousandths.
inline constexpr const char* StepsBoundWithinRounding =
    "Дадените стойности са извън границата {bound} = {value} само в рамките на закръглянето "
    "им до хилядни, затова триъгълникът е равнобедрен:";
inline constexpr const char* ElementStepsGiven = "Дадени: {first} и {second}.";
// A quantity found as the root of an equation, numerically.
inline constexpr const char* StepsSolvedNumerically =
    "{name} е коренът на уравнението {equation}, намерен числено:";

// The signs of a formula in words, for a screen reader.
inline constexpr const char* SpokenIs = " е равно на ";
inline constexpr const char* SpokenEquals = ", равно на ";
inline constexpr const char* SpokenApproximately = ", приблизително ";
inline constexpr const char* SpokenPlus = " плюс ";
inline constexpr const char* SpokenMinus = " минус ";
inline constexpr const char* SpokenNegative = "минус ";
inline constexpr const char* SpokenTimes = " по ";
inline constexpr const char* SpokenOver = " върху ";
inline constexpr const char* SpokenWholeOver = ", цялото върху ";
inline constexpr const char* SpokenSquared = " на квадрат";
inline constexpr const char* SpokenRootOf = "корен квадратен от ";
inline constexpr const char* SpokenArcTangentOf = "аркустангенс от ";
inline constexpr const char* SpokenOpenBracket = "скоба ";
inline constexpr const char* SpokenCloseBracket = ", край на скобата";
inline constexpr const char* SpokenIndexOne = " едно";
inline constexpr const char* SpokenDegrees = " градуса";
inline constexpr const char* SpokenAlpha = "алфа";
inline constexpr const char* SpokenBeta = "бета";
inline constexpr const char* SpokenSine = "синус ";
inline constexpr const char* SpokenCosine = "косинус ";
inline constexpr const char* SpokenTangent = "тангенс ";
inline constexpr const char* SpokenAtMost = " е по-малко или равно на ";
inline constexpr const char* SpokenAtLeast = " е по-голямо или равно на ";
inline constexpr const char* SpokenBelow = " е по-малко от ";
inline constexpr const char* SpokenAbove = " е по-голямо от ";

// The window of any two elements: the twelve elements as fields in groups that read like
// the textbook, each named as in the whole triangle, and the same drawing and steps as
// "Решение". {names} stands for fields' names, each quoted, {count} for their number.
inline constexpr const char* ElementsTitle = "Правоъгълен триъгълник по два елемента";
// The entry of a field's menu and the button of "Решение" that open it (Ctrl+2).
inline constexpr const char* ElementsOpen = "Триъгълник по два елемента…";
// Under the tip of a field of the main window while its row shows no triangle: where the
// pairs the six variants do not have are.
inline constexpr const char* OtherPairsHint =
    "Друга двойка елементи (два катета, катет и ъгъл, височина, проекции, радиус)? Ctrl+2 "
    "отваря „Правоъгълен триъгълник по два елемента“.";
inline constexpr const char* ElementsOpenDescription =
    "Отваря прозорец, в който триъгълникът се изчислява по кои да е два от дванадесетте му "
    "елемента: катети, ъгли, височина, проекции, лице, периметър, радиуси (Ctrl+2)";
inline constexpr const char* ElementFieldNames[12] = {
    DetailLegA, DetailLegB,      DetailHypotenuse,  DetailAlpha,
    DetailBeta, DetailHeight,    DetailProjectionA, DetailProjectionB,
    DetailArea, DetailPerimeter, DetailInscribed,   DetailCircumscribed};
inline constexpr const char* ElementGroups[5] = {"Страни", "Ъгли", "Височина и проекции",
                                                 "Лице и периметър", "Радиуси"};
// A computed field's accessible description.
inline constexpr const char* ElementComputed = "изчислено";
inline constexpr const char* ElementsCalculateDescription =
    "Изчислява останалите десет елемента от двата попълнени (Enter)";
inline constexpr const char* ElementsClearDescription = "Изчиства всичките дванадесет полета";
inline constexpr const char* ElementsHint =
    "Попълнете кои да е два от дванадесетте елемента, например двата катета, и натиснете "
    "„Изчисли“.";
inline constexpr const char* ElementsCountTitle = "Нужни са точно два елемента";
inline constexpr const char* ElementsNoneFilled =
    "Не е попълнено нито едно поле. Попълнете кои да е два елемента, например двата катета, и "
    "натиснете „Изчисли“.";
inline constexpr const char* ElementsOneFilled =
    "Попълнено е само полето {names}. Попълнете още един елемент и натиснете „Изчисли“.";
inline constexpr const char* ElementsManyFilled =
    "Попълнени са {count} полета: {names}. Триъгълникът се определя от точно два елемента: "
    "изтрийте излишните и натиснете „Изчисли“.";
inline constexpr const char* QuotedName = "„{name}“";
inline constexpr const char* LastNameJoined = " и ";
// Said to a screen reader after a calculation: the sides, the angles, S and P that were not
// given, "Изчислено: c = 10,000, α = 36,870°, …"; the rest is in the steps.
inline constexpr const char* ElementsCalculated = "Изчислено: {values}";
// Added to the drawing's description where it shows the projections.
inline constexpr const char* ProjectionsDescription =
    " Височината стъпва в точката H върху хипотенузата и я дели на проекциите на катетите: "
    "b₁ = AH = {b1} и a₁ = HB = {a1}, отбелязани под хипотенузата.";
inline constexpr const char* CopyElements = "Копирай елементите и решението като текст";

// Said to a screen reader after a calculation: the two computed quantities,
// "Изчислено: P = 12,000, S = 6,000".
inline constexpr const char* Calculated = "Изчислено: {first}, {second}";
inline constexpr const char* AnnouncedValue = "{quantity} = {value}";

// The task statement: seventeen lines, each ended by CR LF; line 3 has two blanks before
// its last word and line 4 ends with a blank.
inline constexpr const char* TaskStatement =
    "Да се състави проект, чрез който се представят междупредметни връзки Геометрия и "
    "Информатика.\r\n"
    "Тема на проекта: Геометрия - изчисляване на правоъгълен триъгълник.\r\n"
    "Чрез проекта да се изчислява правоъгълен триъгълник по зададени два параметъра от "
    "набора: катет, хипотенуза, периметър, лице на правоъгълен триъгълник и да се "
    "изчисляват останалите два  параметъра.\r\n"
    "Съобразно избраната от потребителя начална комбинация параметри да се "
    "разрешава/забранява въвеждането само на два параметъра. \r\n"
    "Да се използват радиобутони за определяне на началната комбинация от параметри и да се "
    "извеждат изчислените два параметъра на правоъгълния триъгълник.\r\n"
    "Прочетете допълнителен материал за изчисляване елементи на правоъгълен триъгълник и "
    "връзката между параметри като: катет, хипотенуза, радиус на вписана и описана "
    "окръжност, периметър и лице на правоъгълен триъгълник.\r\n"
    "\r\n"
    "Периметър: P=a+b+c\r\n"
    "полупериметър: p=(a+b+c)/2\r\n"
    "Хипотенуза: c^2=a^2 +b^2 - формула на Питагор;\r\n"
    "a+b-c = 2*r радиус на вписаната окръжност;\r\n"
    "c = a - r + b - r\r\n"
    "Радиус на описана окръжност R=c/2\r\n"
    "Лице на првоъгълен триъгълник:\r\n"
    "S=a*b/2 - a,b са дължини на катети;\r\n"
    "S=a*b*c/(4*R) - R е радиус на описаната окръжност\r\n"
    "S=p*r, където: r - радиус на вписаната окръжност;\r\n";

// Carried by the window but never shown.
inline constexpr const char* Aphorism =
    "Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не "
    "оценява колко трудно е било. \r\n";

} // namespace triangle::texts
