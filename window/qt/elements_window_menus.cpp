#include "window/qt/elements_window.h"

#include "window/qt/help_window.h"
#include "window/qt/solution_drawing_view.h"
#include "window/qt/solution_printer.h"
#include "window/qt/steps_list.h"

#include <QImage>

namespace triangle {

void ElementsWindow::printSolution()
{
    PrintSolution(this, m_page, m_region);
}

void ElementsWindow::saveSolutionPdf()
{
    SaveSolutionPdf(this, m_page, m_region);
}

void ElementsWindow::saveDrawingPicture()
{
    SaveDrawingPicture(this, m_page.triangle ? m_drawing->image() : QImage());
}

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
        close();
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
        ShowHelp(this);
        break;
    case menu::Command::About:
        ShowAbout(this);
        break;
    default:
        break;
    }
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

void ElementsWindow::applyZoom()
{
    m_steps->setZoom(m_zoom.factor());
    m_drawing->setZoom(m_zoom.factor());
}

} // namespace triangle
