#pragma once

#include "window/menu/menu_bar.h"

class QWidget;

namespace triangle {

// The windows "Помощ" (F1) and "За програмата": one of each for the program, made when first
// asked for and then only shown again and raised. Each text is a read-only, selectable
// text a screen reader reads line by line.
void ShowHelp(QWidget* from);
void ShowAbout(QWidget* from);
// The one of the two that the command names: ShowHelp or About.
void ShowHelpOrAbout(QWidget* from, menu::Command command);

} // namespace triangle
