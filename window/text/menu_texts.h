#pragma once

// The menu bars' texts, "&" before each mnemonic, and the windows "Помощ" and "За
// програмата". UTF-8.

namespace triangle::texts {

inline constexpr const char* MenuFile = "&Файл";
inline constexpr const char* MenuTriangle = "&Триъгълник";
inline constexpr const char* MenuView = "&Изглед";
inline constexpr const char* MenuHelp = "&Помощ";

inline constexpr const char* MenuPrint = "&Печат…";
inline constexpr const char* MenuSavePdf = "&Запази като PDF…";
inline constexpr const char* MenuSavePicture = "Запази &чертежа като картина…";
inline constexpr const char* MenuExit = "&Изход";
inline constexpr const char* MenuClose = "За&твори";

inline constexpr const char* MenuOpenElements = "Триъгълник по два &елемента…";
inline constexpr const char* MenuOpenSolution = "&Решение";
inline constexpr const char* MenuWholeTriangle = "&Целият триъгълник";
inline constexpr const char* MenuCopyRow = "&Копирай реда на избрания вариант";
inline constexpr const char* MenuCopyElements = "&Копирай елементите и решението като текст";
inline constexpr const char* MenuCopySteps = "Копирай решението като &текст";
inline constexpr const char* MenuCopyDrawing = "Копирай чертежа като &картина";

inline constexpr const char* MenuZoomIn = "&Увеличи";
inline constexpr const char* MenuZoomOut = "&Намали";
inline constexpr const char* MenuZoomReset = "Н&ормален размер";

inline constexpr const char* MenuShowHelp = "&Помощ";
inline constexpr const char* MenuAbout = "&За програмата";

// The keys as a menu shows them after an entry and the help lists them.
inline constexpr const char* KeyCtrl = "Ctrl";
inline constexpr const char* KeyShift = "Shift";
inline constexpr const char* KeyAlt = "Alt";
inline constexpr const char* KeyEscape = "Esc";
inline constexpr const char* KeyPlus = "+";
inline constexpr const char* KeyMinus = "−";
inline constexpr const char* KeyEquals = "=";
inline constexpr const char* KeyAdd = "+ (цифровата клавиатура)";
inline constexpr const char* KeySubtract = "− (цифровата клавиатура)";

inline constexpr const char* HelpTitle = "Помощ";
inline constexpr const char* AboutTitle = "За програмата";
inline constexpr const char* AboutVersion = "Версия {version}";
inline constexpr const char* AboutLicence =
    "Свободна програма под лиценза MIT: може да се използва, копира, променя и "
    "разпространява свободно, като се запази бележката за авторското право и лиценза. "
    "Програмата се предоставя „както е“, без никаква гаранция.";
inline constexpr const char* AboutCopyright = "Copyright (c) 2026 Triangle solver developers";
// Before the notices of the libraries the Windows program carries within itself.
inline constexpr const char* AboutNoticesHeading =
    "Програмата за Windows съдържа части от MinGW-w64 (winpthreads), чиито лицензи искат "
    "следните бележки:";
inline constexpr const char* CloseButton = "Затвори";

} // namespace triangle::texts
