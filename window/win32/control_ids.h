#pragma once

#include <cstdint>

// The child windows' identifiers: what object names are to the Qt form, for finding a control
// with GetDlgItem. An array's controls take consecutive identifiers from its base.
namespace triangle::win32::ids {

inline constexpr int Text2 = 1000;    // the 24 fields, Text2(i) at Text2 + i
inline constexpr int Option1 = 1100;  // the six variant buttons
inline constexpr int Command1 = 1200; // calculate, clear
inline constexpr int Text1 = 1300;    // the task statement, the aphorism
inline constexpr int Label1 = 1400;   // the heading and the four column heads
inline constexpr int Frame1 = 1500;

// Commands of the keyboard and the fields' menu.
inline constexpr int CopyRow = 2000;
inline constexpr int ShowDetails = 2001; // Shift+F1: the whole triangle beside the field
inline constexpr int OpenSolution = 2002;
inline constexpr int OpenElements = 2003; // Ctrl+2: the window of any two elements

// The window of any two elements: its twelve fields in Element's order, its two buttons.
inline constexpr int ElementField = 3000;
inline constexpr int ElementsCalculate = 3100;
inline constexpr int ElementsClear = 3101;
// Its two relation fields and the choice of "Решение 1" or "Решение 2".
inline constexpr int RelationField = 3110;
inline constexpr int SolutionChoice = 3120;
// The steps' list, in "Решение" and in the window of any two elements.
inline constexpr int Steps = 3200;
// The menu bars' entries and their keys: MenuCommands + the command's place in its enum.
inline constexpr int MenuCommands = 4000;
// Sent by a field to its window, as the code of a WM_COMMAND, when it is double-clicked.
inline constexpr unsigned FieldDoubleClicked = 0x8001;

inline int Of(int base, std::int16_t index)
{
    return base + index;
}

} // namespace triangle::win32::ids
