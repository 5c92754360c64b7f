#include "window/win32/steps_pane.h"

#include "window/text/spoken_text.h"
#include "window/win32/child_windows.h"
#include "window/win32/control_ids.h"
#include "window/win32/item_pieces.h"
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

// A variable item's height is a byte: a taller step takes several items.
constexpr int TallestItem = 255;
constexpr UINT Wrapped = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;

HFONT stepsFont(int pixels)
{
    return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                       stepsFace());
}

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
    if (message == WM_KEYDOWN || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        const int caretBefore = ListBox_GetCaretIndex(list);
        const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
        const bool down =
            message == WM_KEYDOWN && (wParam == VK_DOWN || wParam == VK_NEXT || wParam == VK_END);
        const bool extend =
            message == WM_LBUTTONUP || (GetKeyState(VK_SHIFT) < 0) || (GetKeyState(VK_CONTROL) < 0);
        reinterpret_cast<StepsPane*>(pane)->keepStepsWhole(caretBefore, down, extend);
        return result;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(list, &StepsPane::ListProc, 0);
    return DefSubclassProc(list, message, wParam, lParam);
}

void StepsPane::setSteps(const std::string& steps)
{
    m_lines.clear();
    m_words.clear();
    std::size_t start = 0;
    while (start <= steps.size() && !steps.empty()) {
        std::size_t end = steps.find('\n', start);
        if (end == std::string::npos)
            end = steps.size();
        const std::string_view line = std::string_view(steps).substr(start, end - start);
        m_lines.push_back(Widen(line));
        m_words.push_back(Widen(SpokenLine(line)));
        start = end + 1;
    }
    measureAll(true);
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
    std::vector<std::size_t> steps;
    for (const int item : items)
        steps.push_back(m_items.at(static_cast<std::size_t>(item)).step);
    std::sort(steps.begin(), steps.end());
    steps.erase(std::unique(steps.begin(), steps.end()), steps.end());
    std::wstring text;
    for (std::size_t j = 0; j < steps.size(); ++j) {
        if (j > 0)
            text += L"\r\n";
        text += m_lines.at(steps[j]);
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
    Font font(stepsFont(zoomed(18)));
    SetWindowFont(m_steps, font.get(), TRUE);
    SetWindowFont(m_caption, font.get(), TRUE);
    // The old font goes only now that no control draws with it.
    m_font = std::move(font);
    measureAll();
    fitCaption();
}

void StepsPane::fitCaption()
{
    RECT client{};
    GetClientRect(m_caption, &client);
    const int length = GetWindowTextLengthW(m_caption);
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(m_caption, name.data(), length + 1);
    SIZE extent{};
    HDC dc = GetDC(m_caption);
    {
        SelectedObject selected(dc, m_font.get());
        GetTextExtentPoint32W(dc, name.c_str(), length, &extent);
    }
    ReleaseDC(m_caption, dc);
    // A caption wider than the pane (at a large zoom) would wrap to a line below its place and
    // lose its last words: a face as much smaller as it is too wide keeps it on one line.
    Font smaller;
    if (client.right > 0 && extent.cx > client.right)
        smaller.reset(
            stepsFont(std::max(1, static_cast<int>(zoomed(18) * client.right / extent.cx))));
    SetWindowFont(m_caption, smaller.get() ? smaller.get() : m_font.get(), TRUE);
    m_captionFont = std::move(smaller);
}

void StepsPane::place(int left, int top, int width, int height)
{
    const int captionHeight = zoomed(26);
    MoveWindow(m_caption, left + 4, top, width - 4, captionHeight, TRUE);
    MoveWindow(m_steps, left, top + captionHeight, width, height - captionHeight, TRUE);
    measureAll(); // the lines wrap at the new width
    fitCaption();
}

std::vector<StepsPane::Item> StepsPane::piecesOf(std::size_t i) const
{
    RECT client{};
    GetClientRect(m_steps, &client);
    RECT text{0, 0, std::max(1, static_cast<int>(client.right) - 2 * scaled(4)), 0};
    TEXTMETRICW metrics{};
    HDC dc = GetDC(m_steps);
    {
        SelectedObject selected(dc, m_font.get());
        GetTextMetricsW(dc, &metrics);
        // An empty line is as tall as one with text.
        const std::wstring& line = m_lines.at(i).empty() ? std::wstring(L" ") : m_lines.at(i);
        DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &text, Wrapped | DT_CALCRECT);
    }
    ReleaseDC(m_steps, dc);
    // DrawText puts the wrapped lines one character height apart.
    const int lineHeight = std::max(1, static_cast<int>(metrics.tmHeight));
    const int lines = std::max(1, (static_cast<int>(text.bottom) + lineHeight - 1) / lineHeight);
    std::vector<Item> items;
    int offset = 0;
    for (const int height : ItemPieces(lines, lineHeight, scaled(2), TallestItem)) {
        items.push_back({i, offset, height});
        offset += height;
    }
    return items;
}

void StepsPane::measureAll(bool refill)
{
    if (!m_steps)
        return;
    std::vector<Item> items;
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        for (const Item& item : piecesOf(i))
            items.push_back(item);
    const auto sameSteps = [](const Item& x, const Item& y) {
        return x.step == y.step && x.offset == y.offset;
    };
    if (refill ||
        !std::equal(items.begin(), items.end(), m_items.begin(), m_items.end(), sameSteps)) {
        // The steps selected and the caret's step stay where the items change.
        std::vector<bool> selected(m_lines.size(), false);
        std::size_t caret = 0;
        if (!refill) {
            for (std::size_t j = 0; j < m_items.size(); ++j)
                if (ListBox_GetSel(m_steps, static_cast<int>(j)) > 0)
                    selected.at(m_items[j].step) = true;
            const int at = ListBox_GetCaretIndex(m_steps);
            if (at >= 0 && static_cast<std::size_t>(at) < m_items.size())
                caret = m_items[static_cast<std::size_t>(at)].step;
        }
        m_items = std::move(items);
        m_spoken->clear();
        SetWindowRedraw(m_steps, FALSE);
        ListBox_ResetContent(m_steps);
        int caretItem = 0;
        for (std::size_t j = 0; j < m_items.size(); ++j) {
            const bool first = m_items[j].offset == 0;
            const std::size_t step = m_items[j].step;
            m_spoken->push_back(first ? m_words.at(step) : std::wstring());
            ListBox_AddString(m_steps, first ? m_lines.at(step).c_str() : L"");
            if (selected.at(step))
                ListBox_SetSel(m_steps, TRUE, static_cast<int>(j));
            if (first && step == caret)
                caretItem = static_cast<int>(j);
        }
        if (!refill && !m_items.empty())
            ListBox_SetCaretIndex(m_steps, caretItem);
        SetWindowRedraw(m_steps, TRUE);
    } else {
        m_items = std::move(items);
    }
    for (std::size_t j = 0; j < m_items.size(); ++j)
        ListBox_SetItemHeight(m_steps, static_cast<int>(j), m_items[j].height);
    InvalidateRect(m_steps, nullptr, TRUE);
}

std::pair<int, int> StepsPane::stepItems(int i) const
{
    const std::size_t step = m_items.at(static_cast<std::size_t>(i)).step;
    int first = i;
    while (first > 0 && m_items[static_cast<std::size_t>(first - 1)].step == step)
        --first;
    int last = i + 1;
    while (static_cast<std::size_t>(last) < m_items.size() &&
           m_items[static_cast<std::size_t>(last)].step == step)
        ++last;
    return {first, last};
}

void StepsPane::keepStepsWhole(int caretBefore, bool down, bool extend)
{
    const int caret = ListBox_GetCaretIndex(m_steps);
    if (caret < 0 || static_cast<std::size_t>(caret) >= m_items.size())
        return;
    const auto [first, last] = stepItems(caret);
    int target = first;
    // Down from a step's first item goes on to the next step, not into the step's rest.
    if (caret != first && down && caretBefore >= first && caretBefore < last &&
        static_cast<std::size_t>(last) < m_items.size())
        target = last;
    const int count = static_cast<int>(m_items.size());
    if (!extend) {
        ListBox_SetSel(m_steps, FALSE, -1);
        const auto [from, to] = stepItems(target);
        for (int j = from; j < to; ++j)
            ListBox_SetSel(m_steps, TRUE, j);
    } else {
        for (int j = 0; j < count;) {
            const auto [from, to] = stepItems(j);
            bool any = false;
            for (int k = from; k < to; ++k)
                any = any || ListBox_GetSel(m_steps, k) > 0;
            for (int k = from; k < to && any; ++k)
                ListBox_SetSel(m_steps, TRUE, k);
            j = to;
        }
    }
    // Last: selecting an item moves the caret to it.
    if (!extend)
        SendMessageW(m_steps, LB_SETANCHORINDEX, static_cast<WPARAM>(target), 0);
    ListBox_SetCaretIndex(m_steps, target);
}

bool StepsPane::measure(MEASUREITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_LISTBOX || item.CtlID != static_cast<UINT>(ids::Steps))
        return false;
    item.itemHeight = item.itemID < m_items.size() ? static_cast<UINT>(m_items[item.itemID].height)
                                                   : static_cast<UINT>(scaled(24));
    return true;
}

bool StepsPane::draw(const DRAWITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_LISTBOX || item.hwndItem != m_steps)
        return false;
    HDC dc = item.hDC;
    if (item.itemID < m_items.size()) {
        const bool selected = item.itemState & ODS_SELECTED;
        FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        SelectedObject font(dc, m_font.get());
        // The whole step, placed so that this item shows its part, cut at the item's edges.
        const Item& part = m_items[item.itemID];
        const auto [first, last] = stepItems(static_cast<int>(item.itemID));
        const Item& end = m_items[static_cast<std::size_t>(last - 1)];
        RECT text = item.rcItem;
        text.top = item.rcItem.top - part.offset;
        text.bottom = text.top + end.offset + end.height;
        InflateRect(&text, -scaled(4), -scaled(2));
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, item.rcItem.left, item.rcItem.top, item.rcItem.right,
                          item.rcItem.bottom);
        const std::wstring& line = m_lines[part.step];
        DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &text, Wrapped);
        RestoreDC(dc, saved);
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
