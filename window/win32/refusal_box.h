#pragma once

#include <windows.h>

#include <string>

namespace triangle::win32 {

// A refusal's message box: Windows' own warning box, since the user is to correct a value,
// with the explanation as shown ("… лицето е най-много c²/4 = 25,000"), whose text a screen
// reader hears in words ("… c на квадрат върху 4, равно на 25,000"). Modal until closed.
void ShowRefusal(HWND owner, const std::string& title, const std::string& text);

// A message box's text control, as Windows and Wine number it.
inline constexpr int MessageBoxTextId = 0xFFFF;

} // namespace triangle::win32
