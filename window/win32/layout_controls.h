#pragma once

#include "window/main_form/form_layout.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace triangle::win32 {

// A child of the main window's layout, field or other, in the order of the tab places.
struct LayoutChild {
    int tabPlace;
    const layout::Control* control; // null for a field
    std::int16_t field;
};
std::vector<LayoutChild> ChildrenInTabOrder();

// The control's identifier, for GetDlgItem.
int IdOf(const layout::Control& control);
// The option buttons are placed from their frame's corner; Windows has them, like every
// control, on the client area.
layout::Place ClientPlace(const layout::Control& control);
// A label, the frame, an option or push button or a long text as Windows' own control, at a
// size of nothing until the window lays it out.
HWND CreateLayoutControl(HWND parent, const layout::Control& control);

} // namespace triangle::win32
