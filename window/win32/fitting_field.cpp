#include "window/win32/fitting_field.h"

#include "window/win32/child_windows.h"
#include "window/win32/control_ids.h"

#include <commctrl.h>

namespace triangle::win32 {

namespace {

// Pixels kept free on each side of a field's text, at 96 DPI.
constexpr int textMargin = 2;
// The caret and the pixel beside it, which the edit keeps free at the end of its line.
constexpr int caretRoom = 2;

} // namespace

void FontSet::setDpi(int dpi)
{
    if (dpi == m_dpi)
        return;
    m_dpi = dpi;
    m_fonts.clear();
}

HFONT FontSet::font(int halfPoints, bool bold)
{
    Font& font = m_fonts[{halfPoints, bold}];
    if (!font.get()) {
        font.reset(CreateFontW(-MulDiv(halfPoints, m_dpi, 2 * 72), 0, 0, 0,
                               bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                               OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                               DEFAULT_PITCH | FF_ROMAN, L"Times New Roman"));
    }
    return font.get();
}

FittingField::~FittingField()
{
    if (m_hwnd)
        RemoveWindowSubclass(m_hwnd, SubclassProc, 0);
}

void FittingField::attach(HWND edit, FontSet& fonts, bool bold, HBRUSH resultBrush)
{
    m_hwnd = edit;
    m_fonts = &fonts;
    m_bold = bold;
    m_resultBrush = resultBrush;
    SetWindowSubclass(edit, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    fit();
}

std::wstring FittingField::text() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(m_hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(m_hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

int FittingField::textWidth() const
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int margin = MulDiv(textMargin, m_fonts->dpi(), USER_DEFAULT_SCREEN_DPI);
    return client.right - client.left - 2 * margin - caretRoom;
}

void FittingField::fit()
{
    const int margin = MulDiv(textMargin, m_fonts->dpi(), USER_DEFAULT_SCREEN_DPI);
    const std::wstring shown = text();
    const int available = textWidth();
    HDC dc = GetDC(m_hwnd);
    int halfPoints = FontSet::LargestHalfPoints;
    bool fits = true;
    for (;; --halfPoints) {
        SelectedObject font(dc, m_fonts->font(halfPoints, m_bold));
        SIZE extent{};
        GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
        fits = extent.cx <= available;
        if (fits || halfPoints == FontSet::SmallestHalfPoints)
            break;
    }
    ReleaseDC(m_hwnd, dc);
    m_elided = !fits;
    const bool sizeChanged = halfPoints != m_halfPoints;
    m_halfPoints = halfPoints;
    if (sizeChanged || reinterpret_cast<HFONT>(SendMessageW(m_hwnd, WM_GETFONT, 0, 0)) !=
                           m_fonts->font(m_halfPoints, m_bold)) {
        SendMessageW(m_hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(m_fonts->font(m_halfPoints, m_bold)), FALSE);
        // Fixed margins, so that the room for the text is the same in every size.
        SendMessageW(m_hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(margin, margin));
    }
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

bool FittingField::drawsItself() const
{
    return !IsWindowEnabled(m_hwnd) || (m_elided && GetFocus() != m_hwnd);
}

void FittingField::paint(HDC dc) const
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    FillRect(dc, &client, m_resultBrush ? m_resultBrush : GetSysColorBrush(COLOR_WINDOW));
    RECT area{};
    SendMessageW(m_hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    SelectedObject font(dc, m_fonts->font(m_halfPoints, m_bold));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    std::wstring shown = text();
    DrawTextW(dc, shown.data(), static_cast<int>(shown.size()), &area,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

LRESULT CALLBACK FittingField::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self)
{
    auto* field = reinterpret_cast<FittingField*>(self);
    switch (message) {
    case WM_PAINT: {
        // The fields overlap their neighbours' edges by a pixel or two (the layout's twips).
        RECT painted{};
        GetUpdateRect(hwnd, &painted, FALSE);
        MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&painted), 2);
        LRESULT result = 0;
        if (field->drawsItself()) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            field->paint(dc);
            EndPaint(hwnd, &ps);
        } else {
            result = DefSubclassProc(hwnd, message, wParam, lParam);
        }
        RepaintLaterSiblingsOn(hwnd, painted);
        return result;
    }
    case WM_NCPAINT: {
        // The region of the frame to paint, in screen coordinates; 1 for the whole.
        RECT painted{};
        if (wParam <= 1 || GetRgnBox(reinterpret_cast<HRGN>(wParam), &painted) == ERROR)
            GetWindowRect(hwnd, &painted);
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        RepaintLaterSiblingsOn(hwnd, painted);
        return result;
    }
    case WM_PRINTCLIENT:
        if (field->drawsItself()) {
            field->paint(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (field->drawsItself())
            return 1;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        // The ellipsis goes while the user edits the text, and comes back after.
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case WM_LBUTTONDBLCLK: {
        // The edit selects the word; then its window may open the row's solution.
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        SendMessageW(GetParent(hwnd), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(hwnd), ids::FieldDoubleClicked),
                     reinterpret_cast<LPARAM>(hwnd));
        return result;
    }
    case WM_CONTEXTMENU:
        // The field's window lists the editing entries and the row's own in one menu.
        SendMessageW(GetParent(hwnd), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), lParam);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, SubclassProc, 0);
        field->m_hwnd = nullptr;
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace triangle::win32
