#pragma once

// The main window's texts: its controls, the fields' tips and menus, the whole triangle
// behind a row. UTF-8.

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

} // namespace triangle::texts
