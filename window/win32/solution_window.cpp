#include "window/win32/solution_window.h"

#include "window/ui_texts.h"
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
#include <utility>

namespace triangle::win32 {

namespace {

constexpr wchar_t ClassName[] = L"TriangleSolution";
constexpr wchar_t DrawingClassName[] = L"TriangleSolutionDrawing";
constexpr UINT CopyDrawingCommand = 1;
constexpr UINT CopyStepsCommand = 2;

Gdiplus::Color colourOf(drawing::Colour colour)
{
    return Gdiplus::Color(255, colour.red, colour.green, colour.blue);
}

// Arial on Windows; where a system lacks it (Wine without its fonts), the metric-compatible
// Liberation Sans, else the generic sans face.
std::unique_ptr<Gdiplus::FontFamily> labelFamily()
{
    for (const wchar_t* name : {L"Arial", L"Liberation Sans"}) {
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
                                double height, double scale, const NumberFormat& region)
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
        list = drawing::DrawSolution(*triangle, width, height, scale, region, measure);
    }
    DeleteDC(screen);
    return list;
}

std::wstring withCrLf(const std::string& utf8)
{
    std::wstring text;
    for (wchar_t ch : Widen(utf8)) {
        if (ch == L'\n')
            text += L'\r';
        text += ch;
    }
    return text;
}

} // namespace

SolutionWindow::SolutionWindow()
{
    const Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_gdiplus, &input, nullptr);
}

SolutionWindow::~SolutionWindow()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    Gdiplus::GdiplusShutdown(m_gdiplus);
}

bool SolutionWindow::Create(HINSTANCE instance, HWND owner)
{
    m_owner = owner;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);

    WNDCLASSEXW drawingClass{};
    drawingClass.cbSize = sizeof(drawingClass);
    drawingClass.style = CS_HREDRAW | CS_VREDRAW;
    drawingClass.lpfnWndProc = DrawingProc;
    drawingClass.hInstance = instance;
    drawingClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    drawingClass.lpszClassName = DrawingClassName;
    RegisterClassExW(&drawingClass);

    const std::wstring title = Widen(texts::SolutionTitle);
    CreateWindowExW(0, ClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CW_USEDEFAULT, CW_USEDEFAULT, 720, 720, owner, nullptr, instance, this);
    return m_hwnd != nullptr;
}

LRESULT SolutionWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        const HINSTANCE instance = reinterpret_cast<const CREATESTRUCTW*>(lParam)->hInstance;
        const std::wstring drawingName = Widen(texts::DrawingName);
        m_drawing = CreateWindowExW(0, DrawingClassName, drawingName.c_str(),
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, m_hwnd, nullptr,
                                    instance, this);
        // The caption just before the steps in the order of the children is what a screen
        // reader names the steps by.
        const std::wstring stepsName = Widen(std::string(texts::StepsName) + ":");
        m_stepsCaption = CreateWindowExW(0, L"STATIC", stepsName.c_str(), WS_CHILD | WS_VISIBLE, 0,
                                         0, 0, 0, m_hwnd, nullptr, instance, nullptr);
        m_steps = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                      ES_READONLY | ES_AUTOVSCROLL,
                                  0, 0, 0, 0, m_hwnd, nullptr, instance, nullptr);
        m_dpi = static_cast<int>(GetDpiForWindow(m_hwnd));
        setStepsFont(m_dpi);
        return 0;
    }
    case WM_SIZE:
        layOut();
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        // Only hidden: the main window and this object live on, and it opens again as it was.
        ShowWindow(m_hwnd, SW_HIDE);
        if (m_owner)
            SetActiveWindow(m_owner);
        return 0;
    case WM_SETFOCUS:
        SetFocus(m_steps);
        return 0;
    case WM_CTLCOLORSTATIC:
        // The read-only steps black on white, as the drawing, not on the grey of a disabled
        // control: they are there to be read, from the back of a classroom too.
        if (reinterpret_cast<HWND>(lParam) == m_steps ||
            reinterpret_cast<HWND>(lParam) == m_stepsCaption) {
            SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        }
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK SolutionWindow::DrawingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SolutionWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        self->paintDrawing(dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        self->paintDrawing(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // the painting covers every pixel
    case WM_SIZE:
        self->layOutDrawing();
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
        self->showDrawingMenu(x, y);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void SolutionWindow::showPage(const SolutionPage& page, const NumberFormat& region)
{
    m_triangle = page.triangle;
    m_region = region;
    const std::wstring steps = withCrLf(page.steps);
    SetWindowTextW(m_steps, steps.c_str());
    // A screen reader names the drawing by its window text: what it shows, in words.
    std::string name = texts::DrawingName;
    name += ". ";
    name += page.triangle ? page.description : std::string(texts::NoDrawing);
    SetWindowTextW(m_drawing, Widen(name).c_str());
    layOutDrawing();
}

void SolutionWindow::openBeside()
{
    if (!IsWindowVisible(m_hwnd) && m_owner) {
        RECT owner{};
        GetWindowRect(m_owner, &owner);
        const int size = MulDiv(720, m_dpi, USER_DEFAULT_SCREEN_DPI);
        HMONITOR monitor = MonitorFromWindow(m_owner, MONITOR_DEFAULTTONEAREST);
        MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
        GetMonitorInfoW(monitor, &info);
        const RECT& free = info.rcWork;
        const LONG x = std::max(free.left, std::min(owner.right + 8, free.right - size));
        const LONG y = std::max(free.top, std::min(owner.top, free.bottom - size));
        SetWindowPos(m_hwnd, nullptr, x, y, size, size, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    SetFocus(m_steps);
}

bool SolutionWindow::TranslateKeyboard(MSG& message)
{
    if (!m_hwnd || !isOpen() || (message.hwnd != m_hwnd && !IsChild(m_hwnd, message.hwnd)))
        return false;
    if (message.message == WM_KEYDOWN) {
        const bool control = GetKeyState(VK_CONTROL) < 0;
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        if (message.wParam == VK_ESCAPE) {
            SendMessageW(m_hwnd, WM_CLOSE, 0, 0);
            return true;
        }
        if (control && message.wParam == 'C') {
            if (shift) {
                copyDrawing();
                return true;
            }
            DWORD start = 0;
            DWORD end = 0;
            SendMessageW(m_steps, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                         reinterpret_cast<LPARAM>(&end));
            if (message.hwnd == m_steps && start != end)
                return false; // the edit copies its selection
            copySteps();
            return true;
        }
    }
    return IsDialogMessageW(m_hwnd, &message) != FALSE;
}

void SolutionWindow::copySteps() const
{
    const int length = GetWindowTextLengthW(m_steps);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(m_steps, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    PutTextOnClipboard(m_hwnd, text);
}

void SolutionWindow::copyDrawing() const
{
    RECT client{};
    GetClientRect(m_drawing, &client);
    // Twice the window's size, so that the picture stays sharp when enlarged in a document.
    const int width = std::max(1, 2 * static_cast<int>(client.right));
    const int height = std::max(1, 2 * static_cast<int>(client.bottom));
    const drawing::DisplayList list =
        layOutList(m_triangle, width, height, 2.0 * m_dpi / USER_DEFAULT_SCREEN_DPI, m_region);

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

void SolutionWindow::setStepsFont(int dpi)
{
    Font font(CreateFontW(-MulDiv(18, dpi, USER_DEFAULT_SCREEN_DPI), 0, 0, 0, FW_NORMAL, FALSE,
                          FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Arial"));
    SetWindowFont(m_steps, font.get(), TRUE);
    SetWindowFont(m_stepsCaption, font.get(), TRUE);
    // The old font goes only now that no control draws with it.
    m_stepsFont = std::move(font);
}

void SolutionWindow::OnDpiChanged(int dpi, const RECT& suggested)
{
    m_dpi = dpi;
    setStepsFont(dpi);
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Also where the suggested size is the old one: the caption's height and the drawing's
    // scale follow the DPI.
    layOut();
    layOutDrawing();
}

void SolutionWindow::layOut()
{
    RECT client{};
    GetClientRect(m_hwnd, &client);
    // The drawing takes the upper three fifths, the steps with their caption the rest.
    const int drawingHeight = client.bottom * 3 / 5;
    const int captionHeight = MulDiv(26, m_dpi, USER_DEFAULT_SCREEN_DPI);
    MoveWindow(m_drawing, 0, 0, client.right, drawingHeight, TRUE);
    MoveWindow(m_stepsCaption, 4, drawingHeight, client.right - 4, captionHeight, TRUE);
    MoveWindow(m_steps, 0, drawingHeight + captionHeight, client.right,
               client.bottom - drawingHeight - captionHeight, TRUE);
}

void SolutionWindow::layOutDrawing()
{
    RECT client{};
    GetClientRect(m_drawing, &client);
    m_list = layOutList(m_triangle, client.right, client.bottom,
                        static_cast<double>(m_dpi) / USER_DEFAULT_SCREEN_DPI, m_region);
    InvalidateRect(m_drawing, nullptr, FALSE);
}

void SolutionWindow::paintDrawing(HDC target) const
{
    RECT client{};
    GetClientRect(m_drawing, &client);
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
            const std::wstring text = Widen(texts::NoDrawing);
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

void SolutionWindow::showDrawingMenu(int x, int y) const
{
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, CopyDrawingCommand, Widen(texts::CopyDrawing).c_str());
    AppendMenuW(menu, MF_STRING, CopyStepsCommand, Widen(texts::CopySteps).c_str());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, m_drawing, nullptr));
    DestroyMenu(menu);
    if (chosen == CopyDrawingCommand)
        copyDrawing();
    else if (chosen == CopyStepsCommand)
        copySteps();
}

} // namespace triangle::win32
