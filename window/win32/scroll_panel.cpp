#include "window/win32/scroll_panel.h"

#include "window/win32/child_windows.h"

#include <algorithm>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleScrollPanel";

} // namespace

bool ScrollPanel::create(HWND parent, HBRUSH background)
{
    m_background = background;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    if (!RegisterProgramClass(instance, ClassName, WindowProc, 0, false))
        return false;
    // A control parent, so that Tab and the dialog keys go on through its children.
    return CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL, 0, 0, 0, 0, parent,
                           nullptr, instance, this) != nullptr;
}

LRESULT ScrollPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        TRIANGLE_HANDLE_MSG(WM_VSCROLL, OnVScroll);
        TRIANGLE_HANDLE_MSG(WM_MOUSEWHEEL, OnMouseWheel);
        TRIANGLE_HANDLE_MSG(WM_ERASEBKGND, OnEraseBkgnd);
        TRIANGLE_HANDLE_MSG(WM_PRINTCLIENT, OnPrintClient);
        TRIANGLE_HANDLE_MSG(WM_PRINT, OnPrint);
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetParent(m_hwnd), message, wParam, lParam);
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

void ScrollPanel::place(int left, int top, int width, int height, int contentHeight)
{
    SetWindowPos(m_hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    info.nMax = contentHeight - 1;
    info.nPage = static_cast<UINT>(std::max(0, height));
    m_offset = std::clamp(m_offset, 0, std::max(0, contentHeight - height));
    info.nPos = m_offset;
    // Without SIF_DISABLENOSCROLL the bar goes where the content fits.
    SetScrollInfo(m_hwnd, SB_VERT, &info, TRUE);
}

void ScrollPanel::scrollIntoView(HWND child)
{
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&place), 2);
    RECT client{};
    GetClientRect(m_hwnd, &client);
    if (place.top < 0)
        scrollTo(m_offset + place.top);
    else if (place.bottom > client.bottom)
        scrollTo(m_offset + std::min(place.bottom - client.bottom, place.top));
}

void ScrollPanel::OnVScroll(HWND, HWND, UINT code, int)
{
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(m_hwnd, SB_VERT, &info);
    const int line = MulDiv(20, static_cast<int>(GetDpiForWindow(m_hwnd)), USER_DEFAULT_SCREEN_DPI);
    const int page = static_cast<int>(info.nPage);
    switch (code) {
    case SB_LINEUP:
        scrollTo(m_offset - line);
        break;
    case SB_LINEDOWN:
        scrollTo(m_offset + line);
        break;
    case SB_PAGEUP:
        scrollTo(m_offset - page);
        break;
    case SB_PAGEDOWN:
        scrollTo(m_offset + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        scrollTo(info.nTrackPos);
        break;
    case SB_TOP:
        scrollTo(0);
        break;
    case SB_BOTTOM:
        scrollTo(info.nMax);
        break;
    default:
        break;
    }
}

void ScrollPanel::OnMouseWheel(HWND, int, int, int delta, UINT)
{
    m_wheel += delta;
    const int notches = m_wheel / WHEEL_DELTA;
    m_wheel -= notches * WHEEL_DELTA;
    for (int i = 0; i < std::abs(notches); ++i)
        OnVScroll(m_hwnd, nullptr, notches > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
}

void ScrollPanel::scrollTo(int offset)
{
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    GetScrollInfo(m_hwnd, SB_VERT, &info);
    const int last = std::max(0, info.nMax + 1 - static_cast<int>(info.nPage));
    offset = std::clamp(offset, 0, last);
    if (offset == m_offset)
        return;
    ScrollWindowEx(m_hwnd, 0, m_offset - offset, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    m_offset = offset;
    SCROLLINFO position{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, offset, 0};
    SetScrollInfo(m_hwnd, SB_VERT, &position, TRUE);
}

} // namespace triangle::win32
