#include "window/win32/steps_pane.h"

#include "window/win32/child_windows.h"
#include "window/win32/wide_text.h"

#include <windowsx.h>

#include <algorithm>

namespace triangle::win32 {

namespace {

// Arial where it has the projections' subscripts and the other signs of the steps.
const wchar_t* stepsFace()
{
    static const wchar_t* face = FaceWithGlyphs({L"Arial", L"Segoe UI", L"DejaVu Sans"},
                                                L"a\u2081b\u2082\u221A\u00B2\u03B1\u2212");
    return face;
}

} // namespace

void StepsPane::create(HWND parent, Kind kind, const char* caption)
{
    m_kind = kind;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    const std::wstring name = Widen(std::string(caption) + ":");
    m_caption = CreateWindowExW(0, L"STATIC", name.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0,
                                0, 0, 0, parent, nullptr, instance, nullptr);
    if (kind == Kind::Text)
        m_steps = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                      ES_READONLY | ES_AUTOVSCROLL,
                                  0, 0, 0, 0, parent, nullptr, instance, nullptr);
    else
        m_steps = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                                      LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                                  0, 0, 0, 0, parent, nullptr, instance, nullptr);
    setDpi(static_cast<int>(GetDpiForWindow(parent)));
}

void StepsPane::setSteps(const std::string& steps)
{
    if (m_kind == Kind::Text) {
        std::wstring text;
        for (wchar_t ch : Widen(steps)) {
            if (ch == L'\n')
                text += L'\r';
            text += ch;
        }
        SetWindowTextW(m_steps, text.c_str());
        return;
    }
    SetWindowRedraw(m_steps, FALSE);
    ListBox_ResetContent(m_steps);
    std::size_t start = 0;
    while (start <= steps.size() && !steps.empty()) {
        std::size_t end = steps.find('\n', start);
        if (end == std::string::npos)
            end = steps.size();
        const std::wstring line = Widen(std::string_view(steps).substr(start, end - start));
        ListBox_AddString(m_steps, line.c_str());
        start = end + 1;
    }
    SetWindowRedraw(m_steps, TRUE);
    setDpi(m_dpi); // the widest line sets the horizontal scroll range
}

std::wstring StepsPane::text() const
{
    if (m_kind == Kind::Text)
        return WindowText(m_steps);
    std::wstring text;
    const int count = ListBox_GetCount(m_steps);
    for (int i = 0; i < count; ++i) {
        std::wstring line(static_cast<std::size_t>(ListBox_GetTextLen(m_steps, i)) + 1, L'\0');
        line.resize(static_cast<std::size_t>(ListBox_GetText(m_steps, i, line.data())));
        if (i > 0)
            text += L"\r\n";
        text += line;
    }
    return text;
}

void StepsPane::setDpi(int dpi)
{
    m_dpi = dpi;
    Font font(CreateFontW(-MulDiv(18, dpi, USER_DEFAULT_SCREEN_DPI), 0, 0, 0, FW_NORMAL, FALSE,
                          FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          CLEARTYPE_QUALITY, DEFAULT_PITCH, stepsFace()));
    SetWindowFont(m_steps, font.get(), TRUE);
    SetWindowFont(m_caption, font.get(), TRUE);
    if (m_kind == Kind::List) {
        // Items as tall as the face, and a scroll range as wide as the widest step.
        HDC dc = GetDC(m_steps);
        SelectedObject selected(dc, font.get());
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        ListBox_SetItemHeight(m_steps, 0, metrics.tmHeight + metrics.tmExternalLeading);
        int widest = 0;
        const int count = ListBox_GetCount(m_steps);
        for (int i = 0; i < count; ++i) {
            std::wstring line(static_cast<std::size_t>(ListBox_GetTextLen(m_steps, i)) + 1, L'\0');
            line.resize(static_cast<std::size_t>(ListBox_GetText(m_steps, i, line.data())));
            SIZE extent{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
            widest = std::max(widest, static_cast<int>(extent.cx));
        }
        ReleaseDC(m_steps, dc);
        ListBox_SetHorizontalExtent(m_steps, widest + MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI));
    }
    // The old font goes only now that no control draws with it.
    m_font = std::move(font);
}

void StepsPane::place(int left, int top, int width, int height)
{
    const int captionHeight = MulDiv(26, m_dpi, USER_DEFAULT_SCREEN_DPI);
    MoveWindow(m_caption, left + 4, top, width - 4, captionHeight, TRUE);
    MoveWindow(m_steps, left, top + captionHeight, width, height - captionHeight, TRUE);
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
