#pragma once

#include <windows.h>

namespace triangle::win32 {

// Paints an owner-drawn push button filled with exactly its colour under a raised edge
// (sunken while pressed), its caption centred in the given font, and the focus rectangle
// where the keyboard's user needs it.
void DrawColouredButton(const DRAWITEMSTRUCT& item, COLORREF fill, HFONT font, int dpi);

} // namespace triangle::win32
