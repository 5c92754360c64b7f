#include "window/win32/child_windows.h"

#include "window/win32/gdi_object.h"
#include "window/win32/resource.h"

#include <windowsx.h>

namespace triangle::win32 {

std::wstring WindowText(HWND hwnd)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void PrintChildren(HWND parent, HDC dc, LPARAM flags)
{
    for (HWND child = GetWindow(GetWindow(parent, GW_CHILD), GW_HWNDLAST); child;
         child = GetWindow(child, GW_HWNDPREV)) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
        const int width = place.right - place.left;
        const int height = place.bottom - place.top;
        if (!IsWindowVisible(child) || width <= 0 || height <= 0)
            continue;
        HDC memory = CreateCompatibleDC(dc);
        const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, width, height));
        {
            SelectedObject selected(memory, bitmap.get());
            BitBlt(memory, 0, 0, width, height, dc, place.left, place.top, SRCCOPY);
            SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(memory),
                         (flags | PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND) & ~PRF_CHECKVISIBLE);
            BitBlt(dc, place.left, place.top, width, height, memory, 0, 0, SRCCOPY);
        }
        DeleteDC(memory);
    }
}

void HideForOwner(HWND window, HWND owner)
{
    ShowWindow(window, SW_HIDE);
    if (owner)
        SetActiveWindow(owner);
}

void GoToNextControl(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
    if (!next)
        return;
    SetFocus(next);
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        Edit_SetSel(next, 0, -1);
}

bool HasSelection(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

void SetEditText(HWND edit, const std::wstring& text)
{
    SetWindowTextW(edit, text.c_str());
    // Rather than before its first digit.
    const int end = static_cast<int>(text.size());
    Edit_SetSel(edit, end, end);
}

void FocusEdit(HWND edit)
{
    SetFocus(edit);
    Edit_SetSel(edit, 0, -1);
}

HWND ContextMenuTarget(HWND window, HWND target, UINT x, UINT y, POINT& at)
{
    // From the keyboard (the menu key, Shift+F10) the place is (-1, -1).
    at = {static_cast<short>(x), static_cast<short>(y)};
    const bool fromKeyboard = at.x == -1 && at.y == -1;
    if (target == window && !fromKeyboard) {
        POINT client = at;
        ScreenToClient(window, &client);
        target = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE);
    }
    if (fromKeyboard && target) {
        RECT place{};
        GetWindowRect(target, &place);
        at = {place.left, place.bottom};
    }
    return target;
}

bool RegisterProgramClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, UINT style,
                          bool icon, HBRUSH background)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    if (icon) {
        windowClass.hIcon = static_cast<HICON>(LoadImageW(
            instance, MAKEINTRESOURCEW(IDI_TRIANGLE_SOLVER), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        windowClass.hIconSm = static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(IDI_TRIANGLE_SOLVER), IMAGE_ICON,
                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    }
    return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

const wchar_t* FaceWithGlyphs(std::initializer_list<const wchar_t*> faces, std::wstring_view text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const wchar_t* chosen = *faces.begin();
    for (const wchar_t* face : faces) {
        const Font font(CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH, face));
        SelectedObject selected(dc, font.get());
        std::wstring glyphs(text.size(), L'\0');
        GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()),
                         reinterpret_cast<WORD*>(glyphs.data()), GGI_MARK_NONEXISTING_GLYPHS);
        if (glyphs.find(static_cast<wchar_t>(0xFFFF)) == std::wstring::npos) {
            chosen = face;
            break;
        }
    }
    DeleteDC(dc);
    return chosen;
}

void RepaintLaterSiblingsOn(HWND hwnd, const RECT& painted)
{
    for (HWND sibling = GetWindow(hwnd, GW_HWNDNEXT); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        RECT place{};
        RECT overlap{};
        if (!IsWindowVisible(sibling) || !GetWindowRect(sibling, &place) ||
            !IntersectRect(&overlap, &place, &painted))
            continue;
        // In the sibling's client coordinates, its frame where they are negative.
        MapWindowPoints(nullptr, sibling, reinterpret_cast<POINT*>(&overlap), 2);
        RedrawWindow(sibling, &overlap, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    }
}

} // namespace triangle::win32
