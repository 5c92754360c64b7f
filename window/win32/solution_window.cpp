#include "window/win32/solution_window.h"

#include "window/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/clipboard.h"
#include "window/win32/control_ids.h"
#include "window/win32/wide_text.h"
#include "window/window_placement.h"

#include <windowsx.h>

#include <algorithm>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleSolution";
constexpr int OpeningSize = 720; // pixels at 96 DPI, each way

} // namespace

namespace {

placement::Rect frameOf(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace

void PlaceBeside(HWND window, HWND main, HWND solution, SIZE wanted)
{
    MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &info);
    const RECT& free = info.rcWork;
    std::optional<placement::Rect> beside;
    if (solution && IsWindowVisible(solution))
        beside = frameOf(solution);
    const placement::Rect place =
        placement::OpenPlace(frameOf(main), beside, {wanted.cx, wanted.cy},
                             {free.left, free.top, free.right - free.left, free.bottom - free.top});
    SetWindowPos(window, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
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
        m_steps.create(m_hwnd, texts::StepsName);
        // Visible, so that the user who did not find a pair among the variants finds the
        // window that takes any two elements; its owner opens it.
        m_elementsButton = CreateWindowExW(
            0, L"BUTTON", Widen(texts::ElementsOpen).c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, m_hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::OpenElements)),
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE)), nullptr);
        SetWindowFont(m_elementsButton, GetStockObject(DEFAULT_GUI_FONT), FALSE);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == ids::OpenElements && m_owner)
            SendMessageW(m_owner, WM_COMMAND, MAKEWPARAM(ids::OpenElements, 0), 0);
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
    case WM_MEASUREITEM:
        return m_steps.measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
        return m_steps.draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
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
    m_drawing.setTriangle(page.triangle, region, page.description, page.empty.c_str());
}

void SolutionWindow::openBeside()
{
    if (!IsWindowVisible(m_hwnd) && m_owner) {
        const int size = MulDiv(OpeningSize, m_dpi, USER_DEFAULT_SCREEN_DPI);
        PlaceBeside(m_hwnd, m_owner, nullptr, {size, size});
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
            if (message.hwnd == m_steps.window())
                PutTextOnClipboard(m_hwnd, m_steps.copiedText());
            else
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
    // The button's row at the bottom; of the rest, the drawing takes the upper three fifths,
    // the steps with their caption the other two.
    const int row = MulDiv(32, m_dpi, USER_DEFAULT_SCREEN_DPI);
    const int height = std::max(0, static_cast<int>(client.bottom) - row);
    const int drawingHeight = height * 3 / 5;
    MoveWindow(m_drawing.window(), 0, 0, client.right, drawingHeight, TRUE);
    m_steps.place(0, drawingHeight, client.right, height - drawingHeight);
    const int margin = MulDiv(4, m_dpi, USER_DEFAULT_SCREEN_DPI);
    MoveWindow(m_elementsButton, margin, height + margin,
               MulDiv(260, m_dpi, USER_DEFAULT_SCREEN_DPI), row - 2 * margin, TRUE);
}

} // namespace triangle::win32
