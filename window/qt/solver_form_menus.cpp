#include "window/main_form/row_outcome.h"
#include "window/qt/fitting_field.h"
#include "window/qt/help_window.h"
#include "window/qt/menu_bar_builder.h"
#include "window/qt/solver_form.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

// The main window's menu bar: built from the menus' table, its entries enabled as the
// fields' menu enables them.

namespace triangle {

void SolverForm::buildMenuBar()
{
    m_menuBar = BuildMenuBar(this, menu::Window::Main,
                             [this](menu::Command command) { RunCommand(*this, command); });
    // The field that has the focus answers Shift+F1 itself: the menu only shows the key.
    MenuAction(m_menuBar, menu::Command::WholeTriangle)->setShortcutContext(Qt::WidgetShortcut);
    // The focus decides "Целият триъгълник": the field whose row it shows.
    connect(qApp, &QApplication::focusChanged, this, [this] { updateMenus(); });
    for (QMenu* menu : m_menuBar->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, [this] { updateMenus(); });
}

QMenuBar* SolverForm::menuBar() const
{
    return m_menuBar;
}

void SolverForm::updateMenus()
{
    if (!m_menuBar)
        return;
    const auto focused = std::find(m_Text2.begin(), m_Text2.end(), focusWidget());
    const bool inField = focused != m_Text2.end();
    const FieldMenuState state =
        m_logic.FieldMenu(inField ? static_cast<std::int16_t>(focused - m_Text2.begin())
                                  : static_cast<std::int16_t>(m_logic.SelectedVariant() * 4));
    const bool triangle = m_logic.SelectedRowOutcome().state == RowState::Solved;
    MenuAction(m_menuBar, menu::Command::WholeTriangle)->setEnabled(inField && state.wholeTriangle);
    MenuAction(m_menuBar, menu::Command::CopyRow)->setEnabled(state.copyRow);
    MenuAction(m_menuBar, menu::Command::Print)->setEnabled(triangle);
    MenuAction(m_menuBar, menu::Command::SavePdf)->setEnabled(triangle);
    MenuAction(m_menuBar, menu::Command::SavePicture)->setEnabled(triangle);
}

void SolverForm::closeWindow()
{
    close();
}

void SolverForm::showHelp(menu::Command command)
{
    ShowHelpOrAbout(this, command);
}

void SolverForm::showWholeTriangle()
{
    if (auto* field = qobject_cast<FittingField*>(focusWidget()))
        field->showDetails();
}

void SolverForm::copy(menu::Command command)
{
    if (command == menu::Command::CopyRow)
        copySelectedRow();
}

} // namespace triangle
