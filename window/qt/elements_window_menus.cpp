#include "window/qt/elements_window.h"

#include "window/qt/help_window.h"
#include "window/qt/solution_drawing_view.h"
#include "window/qt/solution_printer.h"
#include "window/qt/steps_list.h"

#include <QImage>

// The menu bar's commands of the window of any two elements: print, save, zoom.

namespace triangle {

void ElementsWindow::writeSolution(menu::Command command)
{
    WriteSolution(command, this, m_page, m_region, [this] { return m_drawing->image(); });
}

void ElementsWindow::closeWindow()
{
    close();
}

void ElementsWindow::showHelp(menu::Command command)
{
    ShowHelpOrAbout(this, command);
}

void ElementsWindow::copy(menu::Command command)
{
    if (command == menu::Command::CopyElements)
        copyAll();
}

void ElementsWindow::applyZoom(double factor)
{
    m_steps->setZoom(factor);
    m_drawing->setZoom(factor);
}

} // namespace triangle
