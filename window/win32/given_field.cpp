#include "window/win32/given_field.h"

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

// As typed: the edit tells its window of the change, which empties the computed fields.
void insertSign(HWND edit, const char* sign)
{
    const std::wstring text = Widen(sign);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

bool editable(HWND edit)
{
    return IsWindowEnabled(edit) && !(GetWindowStyle(edit) & ES_READONLY);
}

void showMenu(HWND edit, LPARAM place, bool angle)
{
    POINT at{};
    ContextMenuTarget(edit, edit, static_cast<UINT>(GET_X_LPARAM(place)),
                      static_cast<UINT>(GET_Y_LPARAM(place)), at);
    const std::unique_ptr<std::remove_pointer_t<HMENU>, decltype(&DestroyMenu)> menu(
        CreatePopupMenu(), &DestroyMenu);
    AppendEditEntries(menu.get(), edit);
    if (angle)
        AppendMenuEntry(menu.get(), InsertDegreeEntry, texts::InsertDegree, nullptr,
                        editable(edit));
    else
        AppendMenuEntry(menu.get(), InsertRootEntry, texts::InsertRoot,
                        Widen(texts::InsertRootKeys).c_str(), editable(edit));
    const auto chosen = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, edit, nullptr));
    if (RunEditEntry(chosen, edit))
        return;
    if (chosen == InsertDegreeEntry)
        insertSign(edit, texts::Degree);
    else if (chosen == InsertRootEntry)
        insertSign(edit, texts::Root);
}

// Alt+S, by the key's virtual code, which is the same in every layout; the character that
// follows it is no menu's mnemonic and is dropped.
bool s_dropSysChar = false;

// The subclass's reference data is 1 for an angle's field.
LRESULT CALLBACK givenFieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR angle)
{
    switch (message) {
    case WM_CONTEXTMENU:
        showMenu(hwnd, lParam, angle != 0);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == 'S' && (lParam & (1 << 29)) && GetKeyState(VK_CONTROL) >= 0 &&
            GetKeyState(VK_SHIFT) >= 0) {
            if (editable(hwnd))
                insertSign(hwnd, texts::Root);
            s_dropSysChar = true;
            return 0;
        }
        break;
    case WM_SYSCHAR:
        if (s_dropSysChar) {
            s_dropSysChar = false;
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, givenFieldProc, 0);
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

void MakeGivenField(HWND edit, HWND tips, bool angle)
{
    const std::wstring tip = Widen(angle ? texts::AngleFieldHint : texts::LengthFieldHint);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(edit);
    tool.uId = reinterpret_cast<UINT_PTR>(edit);
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SetWindowSubclass(edit, givenFieldProc, 0, angle ? 1 : 0);
}

void SetFieldTip(HWND edit, HWND tips, const std::wstring& tip)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = GetParent(edit);
    tool.uId = reinterpret_cast<UINT_PTR>(edit);
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(tips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace triangle::win32
