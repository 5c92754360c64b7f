#pragma once

#include "window/menu/menu_bar.h"

#include <QKeySequence>

#include <functional>

class QAction;
class QMenuBar;
class QWidget;

namespace triangle {

// Turns the menus' table into a QMenuBar for `window`: each entry an action, a child of the
// bar named "Menu" + the command's name, with its keys, which act before its menu was first
// opened; choosing it calls `act` with its command.
QMenuBar* BuildMenuBar(QWidget* window, menu::Window which, std::function<void(menu::Command)> act);
QKeySequence KeySequenceOf(const menu::Key& key);
// The entry of `command` on the bar, or null.
QAction* MenuAction(const QMenuBar* bar, menu::Command command);

} // namespace triangle
