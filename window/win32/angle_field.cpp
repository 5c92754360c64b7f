#include "window/win32/angle_field.h"

#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/edit_menu.h"
#include "window/win32/wide_text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <memory>
#include <string>
#include <type_traits>

namespace triangle::win32 {

namespace {

void showMenu(HWND edit, LPARAM place)
{
    POINT at{};
    ContextMenuTarget(edit, edit, static_cast<UINT>(GET_X_LPARAM(place)),
                      static_cast<UINT>(GET_Y_LPARAM(place)), at);
    const std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)> menu(
        CreatePopupMenu(), &DestroyMenu);
    AppendEditEntries(menu.get(), edit);
    const bool editable = IsWindowEnabled(edit) && !(GetWindowStyle(edit) & ES_READONLY);
    AppendMenuEntry(menu.get(), InsertDegreeEntry, texts::InsertDegree, nullptr, editable);
    const auto chosen = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, edit, nullptr));
    if (RunEditEntry(chosen, edit) || chosen != InsertDegreeEntry)
        return;
    // As typed: the edit tells its window of the change, which empties the computed fields.
    const std::wstring degree = Widen(texts::Degree);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(degree.c_str()));
}

LRESULT CALLBACK angleFieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR)
{
    switch (message) {
    case WM_CONTEXTMENU:
        showMenu(hwnd, lParam);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, angleFieldProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace

HWND CreatePlainTips(HWND owner)
{
    HWND tips = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
    // Wrapped, so that a long tip reads as a paragraph.
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 400);
    return tips;
}

void MakeAngleField(HWND edit, HWND tips)
{
    const std::wstring tip = Widen(texts::AngleFieldHint);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(edit);
    tool.uId = reinterpret_cast<UINT_PTR>(edit);
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SetWindowSubclass(edit, angleFieldProc, 0, 0);
}

} // namespace triangle::win32
