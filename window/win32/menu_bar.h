#pragma once

#include "window/menu/menu_bar.h"

#include <windows.h>

#include <optional>

namespace triangle::win32 {

// The menus' table as a window's menu bar, made at run time, and its keys as an accelerator
// table. An entry's command identifier is MenuCommandId(its command), which WM_COMMAND
// brings whether it came from the menu or from the keys.
HMENU CreateMenuBar(menu::Window which);
HACCEL CreateMenuAccelerators(menu::Window which);
UINT MenuCommandId(menu::Command command);
std::optional<menu::Command> MenuCommandOf(int id);
// Greys or enables an entry of a menu bar or of one of its menus.
void EnableMenuCommand(HMENU menu, menu::Command command, bool enabled);
// Gives the command to another window, as its menu would: the second windows' "Помощ" and "За
// програмата" are the main window's.
void ForwardMenuCommand(HWND to, menu::Command command);

} // namespace triangle::win32
