#pragma once

#include <string>

class QWidget;

namespace triangle {

// A refusal's message box: a warning, since the user is to correct a value, with the
// explanation as shown ("… лицето е най-много c²/4 = 25,000") and a screen reader hearing
// its text in words ("… c на квадрат върху 4 равно на 25,000"). Modal until closed.
void ShowRefusal(QWidget* parent, const std::string& title, const std::string& text);

} // namespace triangle
