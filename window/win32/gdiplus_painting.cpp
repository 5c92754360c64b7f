#include "window/win32/gdiplus_painting.h"

#include "window/win32/child_windows.h"
#include "window/win32/wide_text.h"

// GDI+'s headers need the COM types that WIN32_LEAN_AND_MEAN leaves out, and min and max,
// which NOMINMAX hides.
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include <cwchar>
#include <memory>
#include <vector>

namespace triangle::win32 {

namespace {

Gdiplus::Color colourOf(drawing::Colour colour)
{
    return Gdiplus::Color(255, colour.red, colour.green, colour.blue);
}

// Arial on Windows where it has the projections' subscripts; else the first of the
// metric-compatible Liberation Sans (Wine without its fonts), Segoe UI and DejaVu Sans that
// has them; else the generic sans face.
std::unique_ptr<Gdiplus::FontFamily> labelFamily()
{
    static const wchar_t* face = FaceWithGlyphs(
        {L"Arial", L"Liberation Sans", L"Segoe UI", L"DejaVu Sans"}, L"\u2081\u2082\u03B1\u03B2");
    for (const wchar_t* name : {face, L"Arial", L"Liberation Sans"}) {
        auto family = std::make_unique<Gdiplus::FontFamily>(name);
        if (family->IsAvailable())
            return family;
    }
    return std::unique_ptr<Gdiplus::FontFamily>(Gdiplus::FontFamily::GenericSansSerif()->Clone());
}

Gdiplus::Font labelFont(const Gdiplus::FontFamily& family, double pixels, bool bold)
{
    return Gdiplus::Font(&family, static_cast<Gdiplus::REAL>(pixels),
                         bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular,
                         Gdiplus::UnitPixel);
}

} // namespace

void PaintDisplayList(Gdiplus::Graphics& graphics, const drawing::DisplayList& list)
{
    using Gdiplus::REAL;
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    graphics.Clear(colourOf(list.background));
    for (const drawing::Arc& arc : list.arcs) {
        Gdiplus::Pen pen(colourOf(arc.colour), static_cast<REAL>(arc.width));
        const Gdiplus::RectF bounds(static_cast<REAL>(arc.centre.x - arc.radius),
                                    static_cast<REAL>(arc.centre.y - arc.radius),
                                    static_cast<REAL>(2 * arc.radius),
                                    static_cast<REAL>(2 * arc.radius));
        // GDI+ turns clockwise as seen, the list counter-clockwise.
        if (arc.sweepDegrees >= 360.0)
            graphics.DrawEllipse(&pen, bounds);
        else
            graphics.DrawArc(&pen, bounds, static_cast<REAL>(-arc.startDegrees),
                             static_cast<REAL>(-arc.sweepDegrees));
    }
    for (const drawing::Line& line : list.lines) {
        Gdiplus::Pen pen(colourOf(line.colour), static_cast<REAL>(line.width));
        pen.SetStartCap(Gdiplus::LineCapRound);
        pen.SetEndCap(Gdiplus::LineCapRound);
        if (line.dashed) {
            // In widths of the pen: 4 on, 3 off, as the Qt form draws it.
            const REAL pattern[2] = {4.0f, 3.0f};
            pen.SetDashPattern(pattern, 2);
            pen.SetStartCap(Gdiplus::LineCapFlat);
            pen.SetEndCap(Gdiplus::LineCapFlat);
        }
        if (line.dashDot) {
            // A long dash, a gap, a dot, a gap, as the Qt form draws it.
            const REAL pattern[4] = {6.0f, 2.0f, 1.0f, 2.0f};
            pen.SetDashPattern(pattern, 4);
            pen.SetStartCap(Gdiplus::LineCapFlat);
            pen.SetEndCap(Gdiplus::LineCapFlat);
        }
        graphics.DrawLine(&pen, static_cast<REAL>(line.from.x), static_cast<REAL>(line.from.y),
                          static_cast<REAL>(line.to.x), static_cast<REAL>(line.to.y));
    }
    for (const drawing::Dot& dot : list.dots) {
        Gdiplus::SolidBrush brush(colourOf(dot.colour));
        graphics.FillEllipse(&brush, static_cast<REAL>(dot.centre.x - dot.radius),
                             static_cast<REAL>(dot.centre.y - dot.radius),
                             static_cast<REAL>(2 * dot.radius), static_cast<REAL>(2 * dot.radius));
    }
    const auto family = labelFamily();
    Gdiplus::StringFormat centred;
    centred.SetAlignment(Gdiplus::StringAlignmentCenter);
    centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    centred.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    for (const drawing::Label& label : list.labels) {
        const Gdiplus::Font font = labelFont(*family, list.fontPixels, label.bold);
        Gdiplus::SolidBrush brush(colourOf(label.colour));
        const std::wstring text = Widen(label.text);
        // Centred in a box widened on both sides: Wine's GDI+ drops the last character
        // where the layout rectangle is exactly as wide as the measured text.
        const Gdiplus::RectF box(static_cast<REAL>(label.box.left - label.box.width / 2),
                                 static_cast<REAL>(label.box.top),
                                 static_cast<REAL>(2 * label.box.width),
                                 static_cast<REAL>(label.box.height));
        graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, box, &centred,
                            &brush);
    }
}

drawing::DisplayList LayOutDrawing(const std::optional<TriangleDetails>& triangle, double width,
                                   double height, double scale, const NumberFormat& region,
                                   const DrawingParts& parts, double zoom)
{
    if (!triangle)
        return {};
    HDC screen = CreateCompatibleDC(nullptr);
    drawing::DisplayList list;
    {
        Gdiplus::Graphics measuring(screen);
        const auto family = labelFamily();
        const drawing::MeasureText measure = [&](std::string_view text, double pixels, bool bold) {
            const Gdiplus::Font font = labelFont(*family, pixels, bold);
            const std::wstring wide = Widen(text);
            Gdiplus::RectF bounds;
            measuring.MeasureString(wide.c_str(), static_cast<INT>(wide.size()), &font,
                                    Gdiplus::PointF(0, 0), &bounds);
            return drawing::TextSize{bounds.Width, bounds.Height};
        };
        list = drawing::DrawSolution(*triangle, width, height, scale, region, measure,
                                     parts.projections, parts.angleMinutes, zoom, parts.cevians,
                                     &parts.exact);
    }
    DeleteDC(screen);
    return list;
}

void PaintEmptyDrawing(Gdiplus::Graphics& graphics, const RECT& client, const std::string& text)
{
    graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
    const auto family = labelFamily();
    const double pixels = std::max(14.0, std::min(client.right, client.bottom) / 32.0);
    const Gdiplus::Font font = labelFont(*family, pixels, false);
    Gdiplus::StringFormat centred;
    centred.SetAlignment(Gdiplus::StringAlignmentCenter);
    centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
    const std::wstring wide = Widen(text);
    const Gdiplus::RectF box(20.0f, 20.0f, static_cast<Gdiplus::REAL>(client.right - 40),
                             static_cast<Gdiplus::REAL>(client.bottom - 40));
    graphics.DrawString(wide.c_str(), static_cast<INT>(wide.size()), &font, box, &centred, &black);
}

std::optional<CLSID> EncoderOf(const wchar_t* mime)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return std::nullopt;
    std::vector<unsigned char> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return std::nullopt;
    for (UINT i = 0; i < count; ++i)
        if (std::wcscmp(encoders[i].MimeType, mime) == 0)
            return encoders[i].Clsid;
    return std::nullopt;
}

void DrawTriangleInto(HDC dc, const drawing::Box& box, const TriangleDetails& triangle,
                      const NumberFormat& region, double scale, const DrawingParts& parts)
{
    using Gdiplus::REAL;
    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    {
        const drawing::DisplayList list =
            LayOutDrawing(triangle, box.width, box.height, scale, region, parts, 1.0);
        Gdiplus::Graphics graphics(dc);
        graphics.SetPageUnit(Gdiplus::UnitPixel);
        // The list clears its own background: only within the box.
        graphics.SetClip(Gdiplus::RectF(static_cast<REAL>(box.left), static_cast<REAL>(box.top),
                                        static_cast<REAL>(box.width),
                                        static_cast<REAL>(box.height)));
        graphics.TranslateTransform(static_cast<REAL>(box.left), static_cast<REAL>(box.top));
        PaintDisplayList(graphics, list);
    }
    Gdiplus::GdiplusShutdown(token);
}

} // namespace triangle::win32
