#include "window/main_form/row_outcome.h"
#include "window/menu/help_text.h"
#include "window/text/ui_texts.h"
#include "window/win32/control_ids.h"
#include "window/win32/menu_bar.h"
#include "window/win32/solver_form.h"
#include "window/win32/third_party_notices.h"

// The main window's menu bar: its commands, from the menu or the keys, and its entries
// enabled as the fields' menu enables them. The second windows send their "Помощ" and "За
// програмата" here.

namespace triangle::win32 {

void SolverForm::OnInitMenuPopup(HWND, HMENU menu, UINT, BOOL systemMenu)
{
    if (systemMenu)
        return;
    const int focus = GetDlgCtrlID(GetFocus());
    const bool inField =
        GetParent(GetFocus()) == m_hwnd && focus >= ids::Text2 && focus < ids::Text2 + FieldCount;
    const FieldMenuState state =
        m_logic.FieldMenu(inField ? static_cast<std::int16_t>(focus - ids::Text2)
                                  : static_cast<std::int16_t>(m_logic.SelectedVariant() * 4));
    const bool triangle = m_logic.SelectedRowOutcome().state == RowState::Solved;
    EnableMenuCommand(menu, menu::Command::WholeTriangle, inField && state.wholeTriangle);
    EnableMenuCommand(menu, menu::Command::CopyRow, state.copyRow);
    EnableMenuCommand(menu, menu::Command::Print, triangle);
    EnableMenuCommand(menu, menu::Command::SavePdf, triangle);
    EnableMenuCommand(menu, menu::Command::SavePicture, triangle);
}

void SolverForm::closeWindow()
{
    SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
}

void SolverForm::showHelp(menu::Command command)
{
    if (command == menu::Command::About)
        m_about.Show(m_hwnd, texts::AboutTitle,
                     menu::AboutText(TRIANGLE_VERSION, ThirdPartyNotices), true);
    else
        m_help.Show(m_hwnd, texts::HelpTitle, menu::HelpText(), false);
}

void SolverForm::showWholeTriangle()
{
    SendMessageW(m_hwnd, WM_COMMAND, ids::ShowDetails, 0);
}

void SolverForm::copy(menu::Command command)
{
    if (command == menu::Command::CopyRow)
        copySelectedRow();
}

} // namespace triangle::win32
