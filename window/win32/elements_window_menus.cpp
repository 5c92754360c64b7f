#include "window/win32/control_ids.h"
#include "window/win32/elements_window.h"
#include "window/win32/menu_bar.h"
#include "window/win32/solution_printer.h"

#include <windowsx.h>

// The menu bar's commands of the window of any two elements: print, save, zoom.

namespace triangle::win32 {

void ElementsWindow::runCommand(menu::Command command)
{
    switch (command) {
    case menu::Command::Print:
        printSolution();
        break;
    case menu::Command::SavePdf:
        saveSolutionPdf();
        break;
    case menu::Command::SavePicture:
        saveDrawingPicture();
        break;
    case menu::Command::Close:
        SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
        break;
    case menu::Command::CopyElements:
        copyAll();
        break;
    case menu::Command::ZoomIn:
        zoomIn();
        break;
    case menu::Command::ZoomOut:
        zoomOut();
        break;
    case menu::Command::ZoomReset:
        zoomReset();
        break;
    case menu::Command::ShowHelp:
    case menu::Command::About:
        // One help and one "За програмата" for the program, the main window's.
        if (m_owner)
            FORWARD_WM_COMMAND(m_owner, MenuCommandId(command), nullptr, 0, SendMessageW);
        break;
    default:
        break;
    }
}

void ElementsWindow::printSolution()
{
    PrintSolution(m_hwnd, m_page, m_region);
}

void ElementsWindow::saveSolutionPdf()
{
    SaveSolutionPdf(m_hwnd, m_page, m_region);
}

void ElementsWindow::saveDrawingPicture()
{
    SaveDrawingPicture(m_hwnd, m_page, m_drawing);
}

void ElementsWindow::zoomIn()
{
    if (m_zoom.in())
        applyZoom();
}

void ElementsWindow::zoomOut()
{
    if (m_zoom.out())
        applyZoom();
}

void ElementsWindow::zoomReset()
{
    if (m_zoom.reset())
        applyZoom();
}

void ElementsWindow::OnMouseWheel(HWND, int, int, int delta, UINT keys)
{
    // The steps' list hands Ctrl and the wheel on here; the drawing's window, any turn.
    if ((keys & MK_CONTROL) && m_zoom.wheel(delta))
        applyZoom();
}

void ElementsWindow::applyZoom()
{
    m_steps.setZoom(m_zoom.factor());
    m_drawing.setZoom(m_zoom.factor());
}

} // namespace triangle::win32
