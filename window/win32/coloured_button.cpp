#include "window/win32/coloured_button.h"

#include "window/win32/child_windows.h"
#include "window/win32/gdi_object.h"

#include <string>

namespace triangle::win32 {

void DrawColouredButton(const DRAWITEMSTRUCT& item, COLORREF fill, HFONT font, int dpi)
{
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const Brush brush(CreateSolidBrush(fill));
    FillRect(dc, &area, brush.get());
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const std::wstring caption = WindowText(item.hwndItem);
    SelectedObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT text = area;
    if (pressed)
        OffsetRect(&text, 1, 1);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = area;
        const int inset = MulDiv(4, dpi, USER_DEFAULT_SCREEN_DPI);
        InflateRect(&focus, -inset, -inset);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace triangle::win32
