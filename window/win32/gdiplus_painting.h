#pragma once

// A triangle's display list laid out with GDI+'s measure of the labels' text and painted with
// GDI+ (Windows' own gdiplus.dll), for the drawing pane, its copies and the printed page.

#include "solver/number/field_number.h"
#include "solver/variant/triangle_details.h"
#include "window/drawing/solution_drawing.h"
#include "window/solution/solution_page.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace Gdiplus {
class Graphics;
} // namespace Gdiplus

namespace triangle::win32 {

// What a drawing shows beside the triangle, as the page asks for it.
struct DrawingParts {
    bool projections = false;
    bool angleMinutes = false;
    std::vector<Cevian> cevians;
    ExactElements exact{};
};

// The display list of a triangle at width × height pixels, its labels measured as GDI+ draws
// them; empty without a triangle.
drawing::DisplayList LayOutDrawing(const std::optional<TriangleDetails>& triangle, double width,
                                   double height, double scale, const NumberFormat& region,
                                   const DrawingParts& parts, double zoom);

void PaintDisplayList(Gdiplus::Graphics& graphics, const drawing::DisplayList& list);

// What the drawing says where there is no triangle, centred in a white client area.
void PaintEmptyDrawing(Gdiplus::Graphics& graphics, const RECT& client, const std::string& text);

// The class id of GDI+'s encoder for `mime` ("image/png").
std::optional<CLSID> EncoderOf(const wchar_t* mime);

// A triangle drawn with GDI+ into `box` of any device context, at `scale` device pixels per
// logical pixel, the rest of the context left as it is: the drawing on a printed page.
void DrawTriangleInto(HDC dc, const drawing::Box& box, const TriangleDetails& triangle,
                      const NumberFormat& region, double scale, const DrawingParts& parts = {});

} // namespace triangle::win32
