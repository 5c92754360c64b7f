#include "window/win32/solution_window.h"

#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/clipboard.h"
#include "window/win32/control_ids.h"
#include "window/win32/menu_bar.h"
#include "window/win32/solution_printer.h"
#include "window/win32/wide_text.h"
#include "window/win32/window_place.h"

#include <windowsx.h>

#include <algorithm>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleSolution";
constexpr int OpeningSize = 720; // pixels at 96 DPI, each way

} // namespace

SolutionWindow::~SolutionWindow()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    if (m_accelerators)
        DestroyAcceleratorTable(m_accelerators);
}

bool SolutionWindow::Create(HINSTANCE instance, HWND owner)
{
    m_owner = owner;
    if (!RegisterProgramClass(instance, ClassName, WindowProc, 0, true,
                              reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    const std::wstring title = Widen(texts::SolutionTitle);
    m_accelerators = CreateMenuAccelerators(menu::Window::Solution);
    CreateWindowExW(0, ClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CW_USEDEFAULT, CW_USEDEFAULT, OpeningSize, OpeningSize, owner,
                    CreateMenuBar(menu::Window::Solution), instance, this);
    return m_hwnd != nullptr;
}

LRESULT SolutionWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        TRIANGLE_HANDLE_MSG(WM_CREATE, OnCreate);
        TRIANGLE_HANDLE_MSG(WM_MOUSEWHEEL, OnMouseWheel);
        TRIANGLE_HANDLE_MSG(WM_COMMAND, OnCommand);
        TRIANGLE_HANDLE_MSG(WM_SIZE, OnSize);
        TRIANGLE_HANDLE_MSG(WM_DPICHANGED, OnDpiChanged);
        TRIANGLE_HANDLE_MSG(WM_CLOSE, OnClose);
        TRIANGLE_HANDLE_MSG(WM_SETFOCUS, OnSetFocus);
        TRIANGLE_HANDLE_MSG(WM_MEASUREITEM, OnMeasureItem);
        TRIANGLE_HANDLE_MSG(WM_DRAWITEM, OnDrawItem);
        TRIANGLE_HANDLE_MSG(WM_CTLCOLORSTATIC, OnCtlColor);
        TRIANGLE_HANDLE_MSG(WM_CTLCOLORLISTBOX, OnCtlColor);
        TRIANGLE_HANDLE_MSG(WM_ERASEBKGND, OnEraseBkgnd);
        TRIANGLE_HANDLE_MSG(WM_PRINTCLIENT, OnPrintClient);
        TRIANGLE_HANDLE_MSG(WM_PRINT, OnPrint);
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

BOOL SolutionWindow::OnCreate(HWND, LPCREATESTRUCT)
{
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
    return TRUE;
}

void SolutionWindow::OnCommand(HWND, int id, HWND, UINT)
{
    if (const std::optional<menu::Command> command = MenuCommandOf(id))
        RunCommand(*this, *command);
    else if (id == ids::OpenElements)
        openElements();
}

void SolutionWindow::OnClose(HWND)
{
    HideForOwner(m_hwnd, m_owner);
}

void SolutionWindow::OnSetFocus(HWND, HWND)
{
    SetFocus(m_steps.window());
}

void SolutionWindow::OnMeasureItem(HWND, MEASUREITEMSTRUCT* item)
{
    m_steps.measure(*item);
}

void SolutionWindow::OnDrawItem(HWND, const DRAWITEMSTRUCT* item)
{
    m_steps.draw(*item);
}

HBRUSH SolutionWindow::OnCtlColor(HWND, HDC dc, HWND control, int type)
{
    if (HBRUSH brush = m_steps.colour(control, dc))
        return brush;
    return reinterpret_cast<HBRUSH>(
        DefWindowProcW(m_hwnd, static_cast<UINT>(WM_CTLCOLORMSGBOX + type),
                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
}

void SolutionWindow::showPage(const SolutionPage& page, const NumberFormat& region)
{
    m_page = page;
    m_region = region;
    m_steps.setSteps(page.steps);
    m_drawing.setPage(page, region);
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
    // Escape, Ctrl+Shift+C and the rest of the menu bar's keys.
    if (TranslateAcceleratorW(m_hwnd, m_accelerators, &message))
        return true;
    if (message.message == WM_KEYDOWN) {
        const bool control = GetKeyState(VK_CONTROL) < 0;
        if (control && message.wParam == 'C') {
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

int SolutionWindow::UseDpi(int dpi)
{
    const int old = m_dpi;
    m_dpi = dpi;
    m_steps.setDpi(dpi);
    m_drawing.setDpi(dpi);
    return old;
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

void SolutionWindow::writeSolution(menu::Command command)
{
    WriteSolution(command, m_hwnd, m_page, m_region, m_drawing);
}

void SolutionWindow::closeWindow()
{
    SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
}

void SolutionWindow::showHelp(menu::Command command)
{
    ForwardMenuCommand(m_owner, command);
}

void SolutionWindow::openElements()
{
    if (m_owner)
        FORWARD_WM_COMMAND(m_owner, ids::OpenElements, nullptr, 0, SendMessageW);
}

void SolutionWindow::copy(menu::Command command)
{
    if (command == menu::Command::CopySteps)
        copySteps();
    else if (command == menu::Command::CopyDrawing)
        copyDrawing();
}

void SolutionWindow::OnMouseWheel(HWND, int, int, int delta, UINT keys)
{
    // The steps' list hands Ctrl and the wheel on here; the drawing's window, any turn.
    if (keys & MK_CONTROL)
        zoomWheel(delta);
}

void SolutionWindow::applyZoom(double factor)
{
    m_steps.setZoom(factor);
    m_drawing.setZoom(factor);
}

} // namespace triangle::win32
