#include "window/win32/elements_window.h"
#include "window/win32/menu_bar.h"
#include "window/win32/solution_printer.h"

// The menu bar's commands of the window of any two elements: print, save, zoom.

namespace triangle::win32 {

void ElementsWindow::writeSolution(menu::Command command)
{
    WriteSolution(command, m_hwnd, m_page, m_region, m_drawing);
}

void ElementsWindow::closeWindow()
{
    SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
}

void ElementsWindow::showHelp(menu::Command command)
{
    ForwardMenuCommand(m_owner, command);
}

void ElementsWindow::copy(menu::Command command)
{
    if (command == menu::Command::CopyElements)
        copyAll();
}

void ElementsWindow::OnMouseWheel(HWND, int, int, int delta, UINT keys)
{
    // The steps' list hands Ctrl and the wheel on here; the drawing's window, any turn.
    if (keys & MK_CONTROL)
        zoomWheel(delta);
}

void ElementsWindow::applyZoom(double factor)
{
    m_steps.setZoom(factor);
    m_drawing.setZoom(factor);
}

} // namespace triangle::win32
