#pragma once

// The texts of the window of any two elements. UTF-8.

#include "window/text/main_window_texts.h"
#include "window/text/refusal_texts.h"

namespace triangle::texts {

// The window of any two elements: the twenty elements as fields in groups that read like
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
    "Отваря прозорец, в който триъгълникът се изчислява по кои да е два от двадесет и петте "
    "му елемента: катети, ъгли, височина, проекции, лице, периметър, радиуси, медиани, "
    "ъглополовящи, синус, косинус, тангенс и котангенс на острите ъгли, или по връзка между "
    "два елемента (Ctrl+2)";
// The circumscribed circle's radius is also the median to the hypotenuse.
inline constexpr const char* CircumradiusMedian =
    "радиус на описаната окръжност R (медиана към хипотенузата m_c = R)";
inline constexpr const char* ElementFieldNames[25] = {DetailLegA,
                                                      DetailLegB,
                                                      DetailHypotenuse,
                                                      DetailAlpha,
                                                      DetailBeta,
                                                      DetailHeight,
                                                      DetailProjectionA,
                                                      DetailProjectionB,
                                                      DetailArea,
                                                      DetailPerimeter,
                                                      DetailInscribed,
                                                      CircumradiusMedian,
                                                      "синус на ъгъл α",
                                                      "косинус на ъгъл α",
                                                      "тангенс на ъгъл α",
                                                      "котангенс на ъгъл α",
                                                      "синус на ъгъл β",
                                                      "косинус на ъгъл β",
                                                      "тангенс на ъгъл β",
                                                      "котангенс на ъгъл β",
                                                      "медиана към катета a m_a",
                                                      "медиана към катета b m_b",
                                                      "ъглополовяща на ъгъл α l_a",
                                                      "ъглополовяща на ъгъл β l_b",
                                                      "ъглополовяща на правия ъгъл l_c"};
// The label beside each field, shorter than its name where the group says the rest.
inline constexpr const char* ElementLabels[25] = {DetailLegA,
                                                  DetailLegB,
                                                  DetailHypotenuse,
                                                  DetailAlpha,
                                                  DetailBeta,
                                                  "височина h",
                                                  "проекция a₁",
                                                  "проекция b₁",
                                                  DetailArea,
                                                  DetailPerimeter,
                                                  "вписана окръжност r",
                                                  "описана окръжност R",
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
inline constexpr const char* ElementGroups[7] = {"Страни",
                                                 "Ъгли",
                                                 "Височина към хипотенузата и проекции",
                                                 "Лице и периметър",
                                                 "Радиуси",
                                                 "Медиани и ъглополовящи",
                                                 "Тригонометрични функции на острите ъгли"};
// A computed field's accessible description.
inline constexpr const char* ElementComputed = "изчислено";
inline constexpr const char* ElementsCalculateDescription =
    "Изчислява останалите елементи от двата попълнени факта (Enter)";
inline constexpr const char* ElementsClearDescription = "Изчиства всички полета";
inline constexpr const char* ElementsHint =
    "Попълнете кои да е два от двадесет и петте елемента, например двата катета, или връзка "
    "между два елемента, например „a : b = 5 : 12“ и хипотенузата, и натиснете „Изчисли“.";
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
// given, "Изчислено: c = 10,000, α = 36°52′ (36,870°), …"; the rest is in the steps.
inline constexpr const char* ElementsCalculated = "Изчислено: {values}";
// Added to the drawing's description where it shows the projections.
inline constexpr const char* ProjectionsDescription =
    " Височината стъпва в точката H върху хипотенузата и я дели на проекциите на катетите: "
    "b₁ = AH = {b1} и a₁ = HB = {a1}, отбелязани под хипотенузата.";
inline constexpr const char* CopyElements = "Копирай елементите и решението като текст";
// An angle in degrees and minutes, "16°16′".
inline constexpr const char* Minute = "′";
// Under the name in the tooltip of the fields of α and β: what may be typed there.
inline constexpr const char* AngleFieldHint =
    "Ъгъл в градуси: 30, 30° или 30,5°; или в градуси и минути: 36°52′, или без знака за "
    "градус 36 52′ (за минутите ′ или ').";
// The entry of an angle field's context menu that puts the degree sign at the cursor.
inline constexpr const char* InsertDegree = "Вмъкни °";
// What may be typed in a field of a sine, cosine, tangent or cotangent.
inline constexpr const char* TrigonometricFieldHint =
    "Число, дроб или корен: 0,6; 5/13; √3/2; √3/3, или без знака √: sqrt(3)/2. Синусът и "
    "косинусът са между 0 и 1. Знакът √ се въвежда с Alt+S или от контекстното меню.";
// What may be typed in a field of a length, the area or the perimeter.
inline constexpr const char* LengthFieldHint =
    "Число, дроб или корен: 12,5; 3/5; 2√3; √3/2; 3 + √3, или без знака √: 2*sqrt(3). Знакът √ "
    "се въвежда с Alt+S или от контекстното меню.";
// A given value typed as a fraction or a root, with its decimal: "2√3 ≈ 3,464".
inline constexpr const char* GivenDecimalTip = "{form} ≈ {decimal}";
// The entry of a field's context menu, and its key, that put the root sign at the cursor.
inline constexpr const char* InsertRoot = "Вмъкни √";
inline constexpr const char* InsertRootKeys = "Alt+S";
inline constexpr const char* Root = "√";
// The two relation fields in messages and to a screen reader; their labels in the group.
inline constexpr const char* RelationFieldNames[2] = {"първа връзка между два елемента",
                                                      "втора връзка между два елемента"};
inline constexpr const char* RelationFieldLabels[2] = {"първа", "втора"};
// Where two triangles fit the facts: the choice between them, its radio buttons with their
// mnemonics (Alt+1, Alt+2), and which one is shown, in the steps, Ctrl+C and the speech.
inline constexpr const char* TwoSolutions = "Две решения";
inline constexpr const char* SolutionChoices[2] = {"Решение &1", "Решение &2"};
inline constexpr const char* SolutionShown = "Решение {shown} от {count}";
inline constexpr const char* TwoSolutionsShown =
    "Две решения: двата факта дават два различни триъгълника; показано е решение {shown} от 2.";

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
