#pragma once

#include <windows.h>

namespace triangle::win32 {

// The command of "Вмъкни °" in an angle field's context menu, after the editing entries'.
inline constexpr UINT InsertDegreeEntry = 100;

// Makes a field of α or β of the window of any two elements say what may be typed in it: its
// tip in `tips` (a tooltip control of the window), and a context menu of the editing entries
// and "Вмъкни °", which puts the degree sign at the cursor, for a keyboard without one.
void MakeAngleField(HWND edit, HWND tips);

// A tooltip control owned by `owner`, for plain tips.
HWND CreatePlainTips(HWND owner);

} // namespace triangle::win32
