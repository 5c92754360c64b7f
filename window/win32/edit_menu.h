#pragma once

#include <windows.h>

namespace triangle::win32 {

// The editing entries of a field's context menu, which a program that adds its own entries
// lists itself: undo, cut, copy, paste, delete, select all. They take the commands 1 to 6.
enum : UINT { EditUndo = 1, EditCut, EditCopy, EditPaste, EditDelete, EditSelectAll };

// Appends the entries for an edit control, each enabled where it can act, then a separator.
void AppendEditEntries(HMENU menu, HWND edit);
// Carries out a command of those entries on the edit; false for any other command.
bool RunEditEntry(UINT command, HWND edit);
// Appends one entry, its keys after a tab, greyed where it has nothing to act on.
void AppendMenuEntry(HMENU menu, UINT command, const char* text, const wchar_t* keys, bool enabled);

} // namespace triangle::win32
