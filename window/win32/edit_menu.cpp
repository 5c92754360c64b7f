#include "window/win32/edit_menu.h"

#include "window/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/wide_text.h"

#include <windowsx.h>

#include <string>

namespace triangle::win32 {

void AppendMenuEntry(HMENU menu, UINT command, const char* text, const wchar_t* keys, bool enabled)
{
    std::wstring label = Widen(text);
    if (keys)
        label += std::wstring(L"\t") + keys;
    AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, label.c_str());
}

void AppendEditEntries(HMENU menu, HWND edit)
{
    const bool editable = IsWindowEnabled(edit) && !(GetWindowStyle(edit) & ES_READONLY);
    const bool selected = HasSelection(edit);
    AppendMenuEntry(menu, EditUndo, texts::EditUndo, L"Ctrl+Z", editable && Edit_CanUndo(edit));
    AppendMenuEntry(menu, EditCut, texts::EditCut, L"Ctrl+X", editable && selected);
    AppendMenuEntry(menu, EditCopy, texts::EditCopy, L"Ctrl+C", selected);
    AppendMenuEntry(menu, EditPaste, texts::EditPaste, L"Ctrl+V",
                    editable && IsClipboardFormatAvailable(CF_UNICODETEXT));
    AppendMenuEntry(menu, EditDelete, texts::EditDelete, L"Del", editable && selected);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuEntry(menu, EditSelectAll, texts::EditSelectAll, nullptr,
                    GetWindowTextLengthW(edit) > 0);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

bool RunEditEntry(UINT command, HWND edit)
{
    switch (command) {
    case EditUndo:
        SendMessageW(edit, WM_UNDO, 0, 0);
        return true;
    case EditCut:
        SendMessageW(edit, WM_CUT, 0, 0);
        return true;
    case EditCopy:
        SendMessageW(edit, WM_COPY, 0, 0);
        return true;
    case EditPaste:
        SendMessageW(edit, WM_PASTE, 0, 0);
        return true;
    case EditDelete:
        SendMessageW(edit, WM_CLEAR, 0, 0);
        return true;
    case EditSelectAll:
        SetFocus(edit);
        Edit_SetSel(edit, 0, -1);
        return true;
    default:
        return false;
    }
}

} // namespace triangle::win32
