#include "window/win32/steps_pane.h"

#include "window/text/spoken_text.h"
#include "window/win32/child_windows.h"
#include "window/win32/control_ids.h"
#include "window/win32/list_accessible.h"
#include "window/win32/wide_text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <new>

namespace triangle::win32 {

namespace {

// Arial where it has the projections' subscripts and the other signs of the steps.
const wchar_t* stepsFace()
{
    static const wchar_t* face = FaceWithGlyphs({L"Arial", L"Segoe UI", L"DejaVu Sans"},
                                                L"a\u2081b\u2082\u221A\u00B2\u03B1\u2212");
    return face;
}

// A variable item's height is a byte: a longer step is cut at the bottom.
constexpr int TallestItem = 255;
constexpr UINT Wrapped = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;

} // namespace

void StepsPane::create(HWND parent, const char* caption)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    const std::wstring name = Widen(std::string(caption) + ":");
    m_caption = CreateWindowExW(0, L"STATIC", name.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0,
                                0, 0, 0, parent, nullptr, instance, nullptr);
    // The scroll bar always there, so that the width the lines wrap at does not change with
    // their number.
    m_steps = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"LISTBOX", L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY |
            LBS_EXTENDEDSEL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_DISABLENOSCROLL,
        0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::Steps)), instance,
        nullptr);
    SetWindowSubclass(m_steps, &StepsPane::ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
    setDpi(static_cast<int>(GetDpiForWindow(parent)));
}

LRESULT CALLBACK StepsPane::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR pane)
{
    // The object holds the words of the items, not the pane, which may go before it.
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT)
        return StandardAccessible::Answer(
            new (std::nothrow)
                ListAccessible(list, reinterpret_cast<const StepsPane*>(pane)->m_spoken),
            list, wParam, lParam);
    // Ctrl and the wheel zoom the window, which the list's own scrolling would swallow.
    if (message == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL))
        return SendMessageW(GetParent(list), message, wParam, lParam);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(list, &StepsPane::ListProc, 0);
    return DefSubclassProc(list, message, wParam, lParam);
}

void StepsPane::setSteps(const std::string& steps)
{
    m_lines.clear();
    m_spoken->clear();
    std::size_t start = 0;
    while (start <= steps.size() && !steps.empty()) {
        std::size_t end = steps.find('\n', start);
        if (end == std::string::npos)
            end = steps.size();
        const std::string_view line = std::string_view(steps).substr(start, end - start);
        m_lines.push_back(Widen(line));
        m_spoken->push_back(Widen(SpokenLine(line)));
        start = end + 1;
    }
    SetWindowRedraw(m_steps, FALSE);
    ListBox_ResetContent(m_steps);
    for (const std::wstring& line : m_lines)
        ListBox_AddString(m_steps, line.c_str());
    SetWindowRedraw(m_steps, TRUE);
    InvalidateRect(m_steps, nullptr, TRUE);
}

std::wstring StepsPane::text() const
{
    std::wstring text;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i > 0)
            text += L"\r\n";
        text += m_lines[i];
    }
    return text;
}

std::wstring StepsPane::copiedText() const
{
    const int selected = ListBox_GetSelCount(m_steps);
    if (selected <= 0)
        return text();
    std::vector<int> items(static_cast<std::size_t>(selected));
    ListBox_GetSelItems(m_steps, selected, items.data());
    std::sort(items.begin(), items.end());
    std::wstring text;
    for (std::size_t j = 0; j < items.size(); ++j) {
        if (j > 0)
            text += L"\r\n";
        text += m_lines.at(static_cast<std::size_t>(items[j]));
    }
    return text;
}

void StepsPane::setDpi(int dpi)
{
    m_dpi = dpi;
    makeFont();
}

void StepsPane::setZoom(double factor)
{
    m_zoom = factor;
    makeFont();
    RECT place{};
    GetWindowRect(m_caption, &place);
    MapWindowPoints(nullptr, GetParent(m_caption), reinterpret_cast<POINT*>(&place), 2);
    RECT list{};
    GetWindowRect(m_steps, &list);
    MapWindowPoints(nullptr, GetParent(m_steps), reinterpret_cast<POINT*>(&list), 2);
    // The caption grows with its face, the list keeps the rest.
    this->place(list.left, place.top, list.right - list.left, list.bottom - place.top);
}

int StepsPane::zoomed(int pixels) const
{
    return static_cast<int>(std::lround(scaled(pixels) * m_zoom));
}

void StepsPane::makeFont()
{
    Font font(CreateFontW(-zoomed(18), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                          stepsFace()));
    SetWindowFont(m_steps, font.get(), TRUE);
    SetWindowFont(m_caption, font.get(), TRUE);
    // The old font goes only now that no control draws with it.
    m_font = std::move(font);
    measureAll();
}

void StepsPane::place(int left, int top, int width, int height)
{
    const int captionHeight = zoomed(26);
    MoveWindow(m_caption, left + 4, top, width - 4, captionHeight, TRUE);
    MoveWindow(m_steps, left, top + captionHeight, width, height - captionHeight, TRUE);
    measureAll(); // the lines wrap at the new width
}

int StepsPane::lineHeight(std::size_t i) const
{
    RECT client{};
    GetClientRect(m_steps, &client);
    RECT text{0, 0, std::max(1, static_cast<int>(client.right) - 2 * scaled(4)), 0};
    HDC dc = GetDC(m_steps);
    {
        SelectedObject selected(dc, m_font.get());
        // An empty line is as tall as one with text.
        const std::wstring& line = m_lines.at(i).empty() ? std::wstring(L" ") : m_lines.at(i);
        DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &text, Wrapped | DT_CALCRECT);
    }
    ReleaseDC(m_steps, dc);
    return std::min(TallestItem, static_cast<int>(text.bottom) + 2 * scaled(2));
}

void StepsPane::measureAll()
{
    if (!m_steps)
        return;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        ListBox_SetItemHeight(m_steps, static_cast<int>(i), lineHeight(i));
    InvalidateRect(m_steps, nullptr, TRUE);
}

bool StepsPane::measure(MEASUREITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_LISTBOX || item.CtlID != static_cast<UINT>(ids::Steps))
        return false;
    item.itemHeight = item.itemID < m_lines.size() ? static_cast<UINT>(lineHeight(item.itemID))
                                                   : static_cast<UINT>(scaled(24));
    return true;
}

bool StepsPane::draw(const DRAWITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_LISTBOX || item.hwndItem != m_steps)
        return false;
    HDC dc = item.hDC;
    if (item.itemID < m_lines.size()) {
        const bool selected = item.itemState & ODS_SELECTED;
        FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        SelectedObject font(dc, m_font.get());
        RECT text = item.rcItem;
        InflateRect(&text, -scaled(4), -scaled(2));
        const std::wstring& line = m_lines[item.itemID];
        DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &text, Wrapped);
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &item.rcItem);
    return true;
}

HBRUSH StepsPane::colour(HWND control, HDC dc) const
{
    if (control != m_steps && control != m_caption)
        return nullptr;
    // Not on the grey of a disabled control: they are there to be read.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

} // namespace triangle::win32
