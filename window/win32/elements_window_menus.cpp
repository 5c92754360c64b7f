#include "window/win32/control_ids.h"
#include "window/win32/elements_window.h"
#include "window/win32/menu_bar.h"

#include <windowsx.h>

// The menu bar's commands of the window of any two elements.

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

} // namespace triangle::win32
