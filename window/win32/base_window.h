#pragma once

#include <windows.h>

#include <windowsx.h>

// Crackers windowsx.h lacks, in its manner: each unpacks a message into its handler's arguments.
#define HANDLE_WM_PRINT(hwnd, wParam, lParam, fn)                                                  \
    ((fn)((hwnd), (HDC)(wParam), (UINT)(lParam)), (LRESULT)0)
#define HANDLE_WM_PRINTCLIENT(hwnd, wParam, lParam, fn)                                            \
    ((fn)((hwnd), (HDC)(wParam), (UINT)(lParam)), (LRESULT)0)
#define HANDLE_WM_DPICHANGED(hwnd, wParam, lParam, fn)                                             \
    ((fn)((hwnd), (int)HIWORD(wParam), (const RECT*)(lParam)), (LRESULT)0)

// One case of a HandleMessage: the message's cracker calls the member `handler` with the
// message's own arguments.
#define TRIANGLE_HANDLE_MSG(message, handler)                                                      \
    case message:                                                                                  \
        return HANDLE_##message(m_hwnd, wParam, lParam,                                            \
                                [this](auto... arguments) { return handler(arguments...); })

namespace triangle::win32 {

// Prints a window's children into dc in their places, for WM_PRINT: from the bottom of the
// z-order up, each on a copy of what lies under it. Wine's default handling leaves them out.
void PrintChildren(HWND parent, HDC dc, LPARAM flags);

// One C++ object per window: the object passes itself to CreateWindowExW, is attached to its
// window at WM_NCCREATE and found again through GWLP_USERDATA for every later message, which
// goes to Derived::HandleMessage. The object must outlive its window.
//
// What every window of the program does alike is here, for its HandleMessage to name:
// the background in Derived::Background() for WM_ERASEBKGND and WM_PRINTCLIENT, WM_PRINT with
// the children, and the one way to follow a new DPI.
template <class Derived> class BaseWindow {
public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    HWND Window() const { return m_hwnd; }

protected:
    ~BaseWindow() = default;

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            self = static_cast<Derived*>(create->lpCreateParams);
            self->m_hwnd = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (!self)
            return DefWindowProcW(hwnd, message, wParam, lParam);
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->m_hwnd = nullptr;
        }
        return result;
    }

    BOOL OnEraseBkgnd(HWND, HDC dc)
    {
        RECT client{};
        GetClientRect(m_hwnd, &client);
        FillRect(dc, &client, static_cast<Derived*>(this)->Background());
        return TRUE;
    }
    // So that a capture for a test draws what the screen draws.
    void OnPrintClient(HWND hwnd, HDC dc, UINT) { OnEraseBkgnd(hwnd, dc); }
    // The children are printed here, in their places, on every system alike.
    void OnPrint(HWND, HDC dc, UINT flags)
    {
        DefWindowProcW(m_hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags & ~PRF_CHILDREN);
        if (flags & PRF_CHILDREN)
            PrintChildren(m_hwnd, dc, static_cast<LPARAM>(flags));
    }
    // WM_DPICHANGED: Derived::UseDpi makes the fonts and panes for the new DPI and gives back
    // what it replaced, kept alive until every control has its new font; then the window
    // takes the place Windows suggests and is laid out again, also where that place is the
    // old one (the caption's height and the drawing's scale follow the DPI).
    void OnDpiChanged(HWND, int dpi, const RECT* suggested)
    {
        Derived& self = *static_cast<Derived*>(this);
        [[maybe_unused]] const auto replaced = self.UseDpi(dpi);
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        self.layOut();
    }

    HWND m_hwnd = nullptr;
};

} // namespace triangle::win32
