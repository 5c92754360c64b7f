#pragma once

#include <windows.h>

#include <string>

namespace triangle::win32 {

// The commands of "Вмъкни °" and "Вмъкни √" in a given field's context menu, after the
// editing entries'.
inline constexpr UINT InsertDegreeEntry = 100;
inline constexpr UINT InsertRootEntry = 101;

// Makes a field of the window of any two elements say what may be typed in it, by its tip in
// `tips` (a tooltip control of the window, set with SetFieldTip), and gives it a context menu
// of the editing entries and "Вмъкни °" in an angle's field, "Вмъкни √" in any other, which
// put the sign at the cursor for a keyboard without one. Alt+S puts "√" there too, by the key
// whatever the keyboard layout.
void MakeGivenField(HWND edit, HWND tips, bool angle);

// The field's tip as it is now.
void SetFieldTip(HWND edit, HWND tips, const std::wstring& tip);

// A tooltip control owned by `owner`, for plain tips.
HWND CreatePlainTips(HWND owner);

} // namespace triangle::win32
