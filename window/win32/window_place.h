#pragma once

#include <windows.h>

namespace triangle::win32 {

// Places a second window of `wanted` pixels (its frame) by the rule both forms keep: beside
// `solution` where that is given and visible, otherwise beside `main`, whole on the work area
// of the screen `main` is on.
void PlaceBeside(HWND window, HWND main, HWND solution, SIZE wanted);

// For WM_GETMINMAXINFO: the least frame that holds a client of `leastClient` pixels at the
// window's DPI, but never more than the work area of the screen the window is on (there what
// does not fit scrolls).
void KeepLeastClient(HWND window, MINMAXINFO& limits, SIZE leastClient);

} // namespace triangle::win32
