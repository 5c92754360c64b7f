#include "window/win32/drawing_pane.h"

#include "window/text/ui_texts.h"
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
#include <optional>
#include <utility>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleSolutionDrawing";
constexpr UINT CopyDrawingCommand = 1;
constexpr UINT CopyStepsCommand = 2;

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

void DrawingPane::setPage(const SolutionPage& page, const NumberFormat& region)
{
    m_parts = {page.projections, page.angleMinutes, page.cevians, page.exact};
    m_triangle = page.triangle;
    m_region = region;
    m_empty = page.empty;
    // A screen reader names the drawing by its window text: what it shows, in words.
    std::string name = texts::DrawingName;
    name += ". ";
    name += page.triangle ? page.description : page.empty;
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
    m_list = LayOutDrawing(m_triangle, client.right, client.bottom,
                           static_cast<double>(m_dpi) / USER_DEFAULT_SCREEN_DPI, m_region, m_parts,
                           m_zoom);
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
        LayOutDrawing(m_triangle, width, height, 2.0 * m_dpi / USER_DEFAULT_SCREEN_DPI, m_region,
                      m_parts, m_zoom);

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
        PaintDisplayList(graphics, list);
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
        if (m_triangle)
            PaintDisplayList(graphics, m_list);
        else
            PaintEmptyDrawing(graphics, client, m_empty);
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

bool DrawingPane::savePicture(const std::wstring& path) const
{
    const std::optional<CLSID> png = EncoderOf(L"image/png");
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
        PaintDisplayList(graphics, LayOutDrawing(m_triangle, width, height,
                                                 2.0 * m_dpi / USER_DEFAULT_SCREEN_DPI, m_region,
                                                 m_parts, 1.0));
    }
    return bitmap.Save(path.c_str(), &*png, nullptr) == Gdiplus::Ok;
}

} // namespace triangle::win32
