#pragma once

// Why the values typed give no triangle, and the elements' names a message uses. UTF-8.

namespace triangle::texts {

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
// What a field of the window of any two elements may hold, after the decimal example.
inline constexpr const char* ElementFieldExamples = "{example}; 3/5 или 2√3";
inline constexpr const char* AngleFieldExamples = "30° или 36°52′";
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

// Any two of the twenty elements. Each element's name in a message, "височина h = 6,000",
// and as the subject of a sentence; in the order of triangle::Element.
inline constexpr const char* DetailProjectionA = "проекция на катета a върху хипотенузата a₁";
inline constexpr const char* DetailProjectionB = "проекция на катета b върху хипотенузата b₁";
inline constexpr const char* ElementNames[25] = {"катет a",
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
                                                 "радиус на описаната окръжност R",
                                                 "sin α",
                                                 "cos α",
                                                 "tg α",
                                                 "cotg α",
                                                 "sin β",
                                                 "cos β",
                                                 "tg β",
                                                 "cotg β",
                                                 "медиана m_a",
                                                 "медиана m_b",
                                                 "ъглополовяща l_a",
                                                 "ъглополовяща l_b",
                                                 "ъглополовяща l_c"};
inline constexpr const char* ElementSubjects[25] = {"Катетът a",
                                                    "Катетът b",
                                                    "Хипотенузата c",
                                                    "Ъгълът α",
                                                    "Ъгълът β",
                                                    "Височината h",
                                                    "Проекцията a₁",
                                                    "Проекцията b₁",
                                                    "Лицето S",
                                                    "Периметърът P",
                                                    "Радиусът r",
                                                    "Радиусът R",
                                                    "sin α",
                                                    "cos α",
                                                    "tg α",
                                                    "cotg α",
                                                    "sin β",
                                                    "cos β",
                                                    "tg β",
                                                    "cotg β",
                                                    "Медианата m_a",
                                                    "Медианата m_b",
                                                    "Ъглополовящата l_a",
                                                    "Ъглополовящата l_b",
                                                    "Ъглополовящата l_c"};
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
    // sin α < 1
    "синусът на остър ъгъл е по-малък от 1, sin {angle} < 1{bound}. При "
    "sin {angle} = 1 ъгълът би бил прав, а триъгълникът би се изродил в отсечка.",
    // cos α < 1
    "косинусът на остър ъгъл е по-малък от 1, cos {angle} < 1{bound}. При "
    "cos {angle} = 1 ъгълът би бил 0°, а триъгълникът би се изродил в отсечка.",
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
    // m_a > b
    "медианата към катет е хипотенуза на правоъгълен триъгълник с катети половината от този "
    "катет и другия катет, затова е по-дълга от другия катет, m_{leg}\u00A0>\u00A0{other}{bound}. "
    "При m_{leg}\u00A0=\u00A0{other} триъгълникът би се изродил в отсечка.",
    // a + b > c
    "сборът на катетите е по-голям от хипотенузата, a\u00A0+\u00A0b\u00A0>\u00A0c{bound}. При "
    "a\u00A0+\u00A0b\u00A0=\u00A0c триъгълникът би се изродил в отсечка.",
    // a + b ≤ c·√2
    "сборът на катетите е най-много c·√2{bound}, колкото е при равнобедрения правоъгълен "
    "триъгълник.",
    // c > a
    "хипотенузата е най-дългата страна, c\u00A0>\u00A0{leg}{bound}.",
    // c − a < b
    "разликата на хипотенузата и единия катет е по-малка от другия катет, "
    "c\u00A0−\u00A0{leg}\u00A0<\u00A0{other}{bound}. При равенство триъгълникът би се изродил "
    "в отсечка.",
    // l_c ≤ c/2
    "ъглополовящата на правия ъгъл е най-много половината от хипотенузата, "
    "l_c\u00A0≤\u00A0c/2{bound}, колкото е при равнобедрения правоъгълен триъгълник.",
    // l_c ≤ R
    "ъглополовящата на правия ъгъл е най-много колкото радиуса на описаната окръжност, "
    "l_c\u00A0≤\u00A0R{bound}, колкото е при равнобедрения правоъгълен триъгълник.",
    // l_c < a·√2
    "ъглополовящата на правия ъгъл е диагонал на квадрат със страна a·b/(a\u00A0+\u00A0b), "
    "по-малка от катета {leg}, затова l_c\u00A0<\u00A0{leg}·√2{bound}. При "
    "l_c\u00A0=\u00A0{leg}·√2 триъгълникът би бил безкрайно дълъг.",
    // a median or bisector within its range: {other} the other given element with its value,
    // {limited} the median or bisector, {range} the range in words (CevianRange…).
    "при {other} {limited} е {range}.",
};
// The medians and bisectors inside a sentence, in the order of triangle::Element from m_a.
inline constexpr const char* CevianNames[5] = {"медианата m_a", "медианата m_b",
                                               "ъглополовящата l_a", "ъглополовящата l_b",
                                               "ъглополовящата на правия ъгъл l_c"};
// The ends of a median's or bisector's range, each with its {value}: reached by a triangle
// ({where} tells which) or only approached by flat or endless ones; "{low} и {high}" where
// there are both.
inline constexpr const char* CevianRangeLowOpen = "по-голяма от {value}";
inline constexpr const char* CevianRangeLowReached = "поне {value}{where}";
inline constexpr const char* CevianRangeHighOpen = "по-малка от {value}";
inline constexpr const char* CevianRangeHighReached = "най-много {value}{where}";
inline constexpr const char* CevianRangeBoth = "{low} и {high}";
inline constexpr const char* CevianRangeIsosceles = " (при равнобедрения триъгълник)";
inline constexpr const char* CevianRangeAngle = " (при α\u00A0=\u00A0{angle})";
inline constexpr const char* ElementSameTwice =
    "{field} е даден два пъти. Въведете два различни елемента на триъгълника.";
inline constexpr const char* ElementOnlyTheShape =
    "{givens} определят само формата на триъгълника, не и размера му: винаги "
    "α\u00A0+\u00A0β\u00A0=\u00A090°. Въведете вместо единия ъгъл някоя дължина или лицето.";
// Two of α, β and their sines, cosines, tangents and cotangents.
inline constexpr const char* ElementOnlyTheShapeTrigonometric =
    "{givens} определят само формата на триъгълника, не и размера му: двете стойности задават "
    "един и същ ъгъл α. Въведете вместо едната някоя дължина или лицето.";
inline constexpr const char* ElementShapeContradicts =
    "Няма правоъгълен триъгълник с {givens}: двете стойности задават различни ъгли. За всеки "
    "остър ъгъл sin²α + cos²α = 1, tg α = sin α /"
    " cos α, cotg α = 1 / tg α, а sin β ="
    " cos α и α + β = 90°. Въведете само една от тях и някоя "
    "дължина или лицето.";
inline constexpr const char* ElementOnlyTheSize =
    "{givens} определят само размера на триъгълника, не и формата му: винаги "
    "R\u00A0=\u00A0c/2. Въведете вместо едното от двете друг елемент.";

} // namespace triangle::texts
