#include "window/win32/text_window.h"

#include "window/text/main_window_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/resource.h"
#include "window/win32/wide_text.h"
#include "window/win32/window_place.h"

#include <commctrl.h>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleSolverText";
constexpr int Margin = 8;    // pixels at 96 DPI
constexpr int IconSide = 48; // the icon in "За програмата"
constexpr int OpeningWidth = 640;
constexpr int OpeningHeight = 560;

// The edit control ends its lines with CR LF.
std::wstring withCarriageReturns(const std::string& text)
{
    std::wstring lines;
    for (const wchar_t c : Widen(text)) {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    return lines;
}

} // namespace

TextWindow::~TextWindow()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

void TextWindow::Show(HWND owner, const char* title, const std::string& text, bool withIcon)
{
    if (!m_hwnd) {
        m_owner = owner;
        const HINSTANCE instance = GetWindowInstance(owner);
        if (!RegisterProgramClass(instance, ClassName, WindowProc, 0, true))
            return;
        // As large to the eye on any screen: the sizes are pixels at 96 DPI.
        const int dpi = static_cast<int>(GetDpiForWindow(owner));
        const SIZE opening{MulDiv(OpeningWidth, dpi, USER_DEFAULT_SCREEN_DPI),
                           MulDiv(OpeningHeight, dpi, USER_DEFAULT_SCREEN_DPI)};
        CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, Widen(title).c_str(), WS_OVERLAPPEDWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, opening.cx, opening.cy, owner, nullptr,
                        instance, this);
        if (!m_hwnd)
            return;
        // Beside the main window rather than over it, as the other windows open.
        PlaceBeside(m_hwnd, owner, nullptr, opening);
        if (withIcon) {
            m_icon = CreateWindowExW(0, WC_STATICW, nullptr, WS_CHILD | WS_VISIBLE | SS_ICON, 0, 0,
                                     0, 0, m_hwnd, nullptr, instance, nullptr);
            // Drawn from the icon's own picture of the size shown, not stretched from 48.
            const int side = MulDiv(IconSide, m_fonts.dpi(), USER_DEFAULT_SCREEN_DPI);
            const auto icon = static_cast<HICON>(LoadImageW(
                instance, MAKEINTRESOURCEW(IDI_TRIANGLE_SOLVER), IMAGE_ICON, side, side, 0));
            SendMessageW(m_icon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
            m_name = CreateWindowExW(0, WC_STATICW, Widen(texts::ApplicationName).c_str(),
                                     WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_CENTERIMAGE, 0, 0, 0,
                                     0, m_hwnd, nullptr, instance, nullptr);
            SetWindowFont(m_name, m_fonts.windowFont(true), FALSE);
        }
        SetWindowTextW(m_text, withCarriageReturns(text).c_str());
        layOut();
    }
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    SetFocus(m_text);
}

LRESULT TextWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        TRIANGLE_HANDLE_MSG(WM_CREATE, OnCreate);
        TRIANGLE_HANDLE_MSG(WM_SIZE, OnSize);
        TRIANGLE_HANDLE_MSG(WM_CLOSE, OnClose);
        TRIANGLE_HANDLE_MSG(WM_SETFOCUS, OnSetFocus);
        TRIANGLE_HANDLE_MSG(WM_ERASEBKGND, OnEraseBkgnd);
        TRIANGLE_HANDLE_MSG(WM_PRINTCLIENT, OnPrintClient);
        TRIANGLE_HANDLE_MSG(WM_PRINT, OnPrint);
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

BOOL TextWindow::OnCreate(HWND hwnd, LPCREATESTRUCT)
{
    m_fonts = FontSet(static_cast<int>(GetDpiForWindow(hwnd)));
    // Read-only, yet with a caret and a selection, so that the arrows move through it.
    m_text = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"",
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                 ES_READONLY | ES_AUTOVSCROLL,
                             0, 0, 0, 0, hwnd, nullptr, GetWindowInstance(hwnd), nullptr);
    static const wchar_t* face =
        FaceWithGlyphs({L"Times New Roman", L"Cambria", L"DejaVu Serif Condensed", L"DejaVu Serif"},
                       L"a\u2081\u221A\u00B0\u2032\u03B1\u2014");
    m_textFont.reset(CreateFontW(-MulDiv(11, m_fonts.dpi(), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                 FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_ROMAN, face));
    SetWindowFont(m_text, m_textFont.get(), FALSE);
    return m_text != nullptr;
}

void TextWindow::layOut()
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const int dpi = m_fonts.dpi();
    const int margin = MulDiv(Margin, dpi, USER_DEFAULT_SCREEN_DPI);
    int top = margin;
    if (m_icon) {
        const int side = MulDiv(IconSide, dpi, USER_DEFAULT_SCREEN_DPI);
        MoveWindow(m_icon, margin, top, side, side, TRUE);
        MoveWindow(m_name, 2 * margin + side, top, client.right - 3 * margin - side, side, TRUE);
        top += side + margin;
    }
    MoveWindow(m_text, margin, top, client.right - 2 * margin, client.bottom - top - margin, TRUE);
}

void TextWindow::OnClose(HWND)
{
    HideForOwner(m_hwnd, m_owner);
}

bool TextWindow::TranslateKeyboard(MSG& message)
{
    if (!isOpen() || (message.hwnd != m_hwnd && !IsChild(m_hwnd, message.hwnd)))
        return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
        return true;
    }
    return false;
}

} // namespace triangle::win32
