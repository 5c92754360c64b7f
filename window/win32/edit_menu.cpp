#include "window/win32/edit_menu.h"

#include "window/text/ui_texts.h"
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
    // The message the edit itself answers for each entry but "Select all".
    struct EntryMessage {
        UINT command;
        UINT message;
    };
    static constexpr EntryMessage messages[] = {
        {EditUndo, WM_UNDO},   {EditCut, WM_CUT},      {EditCopy, WM_COPY},
        {EditPaste, WM_PASTE}, {EditDelete, WM_CLEAR},
    };
    for (const EntryMessage& entry : messages) {
        if (entry.command == command) {
            SendMessageW(edit, entry.message, 0, 0);
            return true;
        }
    }
    if (command != EditSelectAll)
        return false;
    SetFocus(edit);
    Edit_SetSel(edit, 0, -1);
    return true;
}

} // namespace triangle::win32
