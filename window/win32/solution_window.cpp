#include "window/win32/solution_window.h"

#include "window/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/clipboard.h"
#include "window/win32/wide_text.h"

#include <windowsx.h>

#include <algorithm>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleSolution";
constexpr int OpeningSize = 720; // pixels at 96 DPI, each way

} // namespace

POINT PlaceBeside(HWND owner, SIZE size)
{
    RECT beside{};
    GetWindowRect(owner, &beside);
    HMONITOR monitor = MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(monitor, &info);
    const RECT& free = info.rcWork;
    return {std::max(free.left, std::min(beside.right + 8, free.right - size.cx)),
            std::max(free.top, std::min(beside.top, free.bottom - size.cy))};
}

SolutionWindow::~SolutionWindow()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

bool SolutionWindow::Create(HINSTANCE instance, HWND owner)
{
    m_owner = owner;
    RegisterProgramClass(instance, ClassName, WindowProc, 0, false,
                         reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    const std::wstring title = Widen(texts::SolutionTitle);
    CreateWindowExW(0, ClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CW_USEDEFAULT, CW_USEDEFAULT, OpeningSize, OpeningSize, owner, nullptr,
                    instance, this);
    return m_hwnd != nullptr;
}

LRESULT SolutionWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        m_dpi = static_cast<int>(GetDpiForWindow(m_hwnd));
        m_drawing.create(m_hwnd);
        m_drawing.copySteps = [this] { copySteps(); };
        m_steps.create(m_hwnd, StepsPane::Kind::Text, texts::StepsName);
        return 0;
    case WM_SIZE:
        layOut();
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        // Only hidden: the main window and this object live on, and it opens again as it was.
        ShowWindow(m_hwnd, SW_HIDE);
        if (m_owner)
            SetActiveWindow(m_owner);
        return 0;
    case WM_SETFOCUS:
        SetFocus(m_steps.window());
        return 0;
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush =
                m_steps.colour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

void SolutionWindow::showPage(const SolutionPage& page, const NumberFormat& region)
{
    m_steps.setSteps(page.steps);
    m_drawing.setTriangle(page.triangle, region, page.description, texts::NoDrawing);
}

void SolutionWindow::openBeside()
{
    if (!IsWindowVisible(m_hwnd) && m_owner) {
        const int size = MulDiv(OpeningSize, m_dpi, USER_DEFAULT_SCREEN_DPI);
        const POINT at = PlaceBeside(m_owner, {size, size});
        SetWindowPos(m_hwnd, nullptr, at.x, at.y, size, size, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    SetFocus(m_steps.window());
}

bool SolutionWindow::TranslateKeyboard(MSG& message)
{
    if (!m_hwnd || !isOpen() || (message.hwnd != m_hwnd && !IsChild(m_hwnd, message.hwnd)))
        return false;
    if (message.message == WM_KEYDOWN) {
        const bool control = GetKeyState(VK_CONTROL) < 0;
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        if (message.wParam == VK_ESCAPE) {
            SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
            return true;
        }
        if (control && message.wParam == 'C') {
            if (shift) {
                copyDrawing();
                return true;
            }
            if (message.hwnd == m_steps.window() && HasSelection(m_steps.window()))
                return false; // the edit copies its selection
            copySteps();
            return true;
        }
    }
    return IsDialogMessageW(m_hwnd, &message) != FALSE;
}

void SolutionWindow::copySteps() const
{
    PutTextOnClipboard(m_hwnd, m_steps.text());
}

void SolutionWindow::OnDpiChanged(int dpi, const RECT& suggested)
{
    m_dpi = dpi;
    m_steps.setDpi(dpi);
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Also where the suggested size is the old one: the caption's height and the drawing's
    // scale follow the DPI.
    layOut();
    m_drawing.setDpi(dpi);
}

void SolutionWindow::layOut()
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    // The drawing takes the upper three fifths, the steps with their caption the rest.
    const int drawingHeight = client.bottom * 3 / 5;
    MoveWindow(m_drawing.window(), 0, 0, client.right, drawingHeight, TRUE);
    m_steps.place(0, drawingHeight, client.right, client.bottom - drawingHeight);
}

} // namespace triangle::win32
