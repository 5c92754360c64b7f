#include "window/menu/command_target.h"

namespace triangle::menu {

void ZoomedTarget::zoomIn()
{
    if (m_zoom.in())
        applyZoom(m_zoom.factor());
}

void ZoomedTarget::zoomOut()
{
    if (m_zoom.out())
        applyZoom(m_zoom.factor());
}

void ZoomedTarget::zoomReset()
{
    if (m_zoom.reset())
        applyZoom(m_zoom.factor());
}

void ZoomedTarget::zoomWheel(int delta)
{
    if (m_zoom.wheel(delta))
        applyZoom(m_zoom.factor());
}

void RunCommand(CommandTarget& target, Command command)
{
    switch (command) {
    case Command::Separator:
        break;
    case Command::Print:
    case Command::SavePdf:
    case Command::SavePicture:
        target.writeSolution(command);
        break;
    case Command::Exit:
    case Command::Close:
        target.closeWindow();
        break;
    case Command::OpenElements:
        target.openElements();
        break;
    case Command::OpenSolution:
        target.openSolution();
        break;
    case Command::WholeTriangle:
        target.showWholeTriangle();
        break;
    case Command::CopyRow:
    case Command::CopyElements:
    case Command::CopySteps:
    case Command::CopyDrawing:
        target.copy(command);
        break;
    case Command::ZoomIn:
        target.zoomIn();
        break;
    case Command::ZoomOut:
        target.zoomOut();
        break;
    case Command::ZoomReset:
        target.zoomReset();
        break;
    case Command::ShowHelp:
    case Command::About:
        target.showHelp(command);
        break;
    }
}

} // namespace triangle::menu
