#include "window/win32/drawing_pane.h"

#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/clipboard.h"
#include "window/win32/wide_text.h"

#include <windowsx.h>

// GDI+'s headers need the COM types that WIN32_LEAN_AND_MEAN leaves out, and min and max,
// which NOMINMAX hides.
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleSolutionDrawing";
constexpr UINT CopyDrawingCommand = 1;
constexpr UINT CopyStepsCommand = 2;

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

void paintList(Gdiplus::Graphics& graphics, const drawing::DisplayList& list)
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

drawing::DisplayList layOutList(const std::optional<TriangleDetails>& triangle, double width,
                                double height, double scale, const NumberFormat& region,
                                bool projections, bool angleMinutes, double zoom)
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
        list = drawing::DrawSolution(*triangle, width, height, scale, region, measure, projections,
                                     angleMinutes, zoom);
    }
    DeleteDC(screen);
    return list;
}

} // namespace

DrawingPane::DrawingPane()
{
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_gdiplus, &input, nullptr);
}

DrawingPane::~DrawingPane()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    Gdiplus::GdiplusShutdown(m_gdiplus);
}

bool DrawingPane::create(HWND parent)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    WNDCLASSEXW drawingClass{};
    drawingClass.cbSize = sizeof(drawingClass);
    drawingClass.style = CS_HREDRAW | CS_VREDRAW;
    drawingClass.lpfnWndProc = Procedure;
    drawingClass.hInstance = instance;
    drawingClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    drawingClass.lpszClassName = ClassName;
    RegisterClassExW(&drawingClass);
    const std::wstring name = Widen(texts::DrawingName);
    m_dpi = static_cast<int>(GetDpiForWindow(parent));
    CreateWindowExW(0, ClassName, name.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0,
                    parent, nullptr, instance, this);
    return m_hwnd != nullptr;
}

LRESULT CALLBACK DrawingPane::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<DrawingPane*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<DrawingPane*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        self->paint(dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        self->paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // the painting covers every pixel
    case WM_SIZE:
        self->layOut();
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_CONTEXTMENU: {
        int x = GET_X_LPARAM(lParam);
        int y = GET_Y_LPARAM(lParam);
        if (x == -1 && y == -1) { // from the keyboard: at the drawing's corner
            POINT corner{0, 0};
            ClientToScreen(hwnd, &corner);
            x = corner.x;
            y = corner.y;
        }
        self->showMenu(x, y);
        return 0;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void DrawingPane::setTriangle(const std::optional<TriangleDetails>& triangle,
                              const NumberFormat& region, const std::string& description,
                              const std::string& empty, bool projections, bool angleMinutes)
{
    m_projections = projections;
    m_angleMinutes = angleMinutes;
    m_triangle = triangle;
    m_region = region;
    m_empty = empty;
    // A screen reader names the drawing by its window text: what it shows, in words.
    std::string name = texts::DrawingName;
    name += ". ";
    name += triangle ? description : empty;
    SetWindowTextW(m_hwnd, Widen(name).c_str());
    layOut();
}

void DrawingPane::setDpi(int dpi)
{
    m_dpi = dpi;
    layOut();
}

void DrawingPane::setZoom(double factor)
{
    m_zoom = factor;
    layOut();
}

void DrawingPane::layOut()
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    m_list = layOutList(m_triangle, client.right, client.bottom,
                        static_cast<double>(m_dpi) / USER_DEFAULT_SCREEN_DPI, m_region,
                        m_projections, m_angleMinutes, m_zoom);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void DrawingPane::copyDrawing() const
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    // Twice the window's size, so that the picture stays sharp when enlarged in a document.
    const int width = std::max(1, 2 * static_cast<int>(client.right));
    const int height = std::max(1, 2 * static_cast<int>(client.bottom));
    const drawing::DisplayList list =
        layOutList(m_triangle, width, height, 2.0 * m_dpi / USER_DEFAULT_SCREEN_DPI, m_region,
                   m_projections, m_angleMinutes, m_zoom);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height; // bottom-up, as CF_DIB readers expect
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                      &bits, nullptr, 0);
    if (!bitmap) {
        DeleteDC(dc);
        return;
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    {
        Gdiplus::Graphics graphics(dc);
        paintList(graphics, list);
    }
    GdiFlush();
    const std::size_t pixels =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(header) + pixels);
    if (memory) {
        auto* packed = static_cast<unsigned char*>(GlobalLock(memory));
        std::memcpy(packed, &header, sizeof(header));
        std::memcpy(packed + sizeof(header), bits, pixels);
        GlobalUnlock(memory);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    PutOnClipboard(m_hwnd, CF_DIB, memory);
}

void DrawingPane::paint(HDC target) const
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    // Painted off screen first, so that resizing does not flicker.
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap =
        CreateCompatibleBitmap(target, std::max(1L, client.right), std::max(1L, client.bottom));
    HGDIOBJ old = SelectObject(dc, bitmap);
    {
        Gdiplus::Graphics graphics(dc);
        if (m_triangle) {
            paintList(graphics, m_list);
        } else {
            graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
            const auto family = labelFamily();
            const double pixels = std::max(14.0, std::min(client.right, client.bottom) / 32.0);
            const Gdiplus::Font font = labelFont(*family, pixels, false);
            Gdiplus::StringFormat centred;
            centred.SetAlignment(Gdiplus::StringAlignmentCenter);
            centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
            Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
            const std::wstring text = Widen(m_empty);
            const Gdiplus::RectF box(20.0f, 20.0f, static_cast<Gdiplus::REAL>(client.right - 40),
                                     static_cast<Gdiplus::REAL>(client.bottom - 40));
            graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, box, &centred,
                                &black);
        }
    }
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void DrawingPane::showMenu(int x, int y) const
{
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, CopyDrawingCommand, Widen(texts::CopyDrawing).c_str());
    AppendMenuW(menu, MF_STRING, CopyStepsCommand, Widen(texts::CopySteps).c_str());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, m_hwnd, nullptr));
    DestroyMenu(menu);
    if (chosen == CopyDrawingCommand)
        copyDrawing();
    else if (chosen == CopyStepsCommand && copySteps)
        copySteps();
}

namespace {

// The class id of GDI+'s encoder for `mime`, from the encoders it lists.
std::optional<CLSID> encoderOf(const wchar_t* mime)
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

} // namespace

bool DrawingPane::savePicture(const std::wstring& path) const
{
    const std::optional<CLSID> png = encoderOf(L"image/png");
    if (!m_triangle || !png)
        return false;
    RECT client{};
    GetClientRect(m_hwnd, &client);
    // Twice the window's size, as the copy: sharp when enlarged in a document.
    const int width = std::max(1, 2 * static_cast<int>(client.right));
    const int height = std::max(1, 2 * static_cast<int>(client.bottom));
    Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppRGB);
    {
        Gdiplus::Graphics graphics(&bitmap);
        paintList(graphics,
                  layOutList(m_triangle, width, height, 2.0 * m_dpi / USER_DEFAULT_SCREEN_DPI,
                             m_region, m_projections, m_angleMinutes, 1.0));
    }
    return bitmap.Save(path.c_str(), &*png, nullptr) == Gdiplus::Ok;
}

void DrawTriangleInto(HDC dc, const drawing::Box& box, const TriangleDetails& triangle,
                      const NumberFormat& region, double scale, bool projections, bool angleMinutes)
{
    using Gdiplus::REAL;
    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    {
        const drawing::DisplayList list = layOutList(triangle, box.width, box.height, scale, region,
                                                     projections, angleMinutes, 1.0);
        Gdiplus::Graphics graphics(dc);
        graphics.SetPageUnit(Gdiplus::UnitPixel);
        // The list clears its own background: only within the box.
        graphics.SetClip(Gdiplus::RectF(static_cast<REAL>(box.left), static_cast<REAL>(box.top),
                                        static_cast<REAL>(box.width),
                                        static_cast<REAL>(box.height)));
        graphics.TranslateTransform(static_cast<REAL>(box.left), static_cast<REAL>(box.top));
        paintList(graphics, list);
    }
    Gdiplus::GdiplusShutdown(token);
}

} // namespace triangle::win32
