#pragma once

#include "window/main_form/form_layout.h"

#include <windows.h>

namespace triangle::win32 {

inline COLORREF ColourRef(layout::Colour colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// A place of the layout, given in twips, in pixels at the given DPI.
inline RECT PixelRect(const layout::Place& place, int dpi)
{
    const int left = layout::Pixels(place.left, dpi);
    const int top = layout::Pixels(place.top, dpi);
    return {left, top, left + layout::Pixels(place.width, dpi),
            top + layout::Pixels(place.height, dpi)};
}

} // namespace triangle::win32
