#include "solver/variant/triangle_details.h"
#include "tests/triangle_from_legs.h"
#include "tests/win32/keys_and_clipboard.h"
#include "window/win32/control_ids.h"
#include "window/win32/solution_window.h"
#include "window/win32/solver_form.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

using triangle::TriangleDetails;
using triangle::win32::SolutionWindow;
namespace drawing = triangle::drawing;

namespace {

// A capture of a window's client area through PrintWindow, as 0x00RRGGBB pixels.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

Capture capture(HWND hwnd)
{
    RECT client{};
    GetClientRect(hwnd, &client);
    Capture shot;
    shot.width = client.right;
    shot.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PrintWindow(hwnd, dc, PW_CLIENTONLY);
    GdiFlush();
    const auto* words = static_cast<const std::uint32_t*>(bits);
    shot.pixels.assign(words, words + shot.width * shot.height);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    for (std::uint32_t& pixel : shot.pixels)
        pixel &= 0xFFFFFF;
    return shot;
}

// With TRIANGLE_CAPTURE_DIR set, keeps each capture as a BMP file there, to look at.
void keep(const Capture& shot, const std::string& name)
{
    const char* folder = std::getenv("TRIANGLE_CAPTURE_DIR");
    if (!folder)
        return;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = shot.width;
    header.biHeight = -shot.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(shot.pixels.size() * 4);
    std::ofstream out(std::string(folder) + "/" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(shot.pixels.data()),
              static_cast<std::streamsize>(shot.pixels.size() * 4));
}

bool isInk(std::uint32_t pixel, drawing::Colour ink)
{
    const int red = (pixel >> 16) & 0xFF;
    const int green = (pixel >> 8) & 0xFF;
    const int blue = pixel & 0xFF;
    const int distance =
        std::abs(red - ink.red) + std::abs(green - ink.green) + std::abs(blue - ink.blue);
    const int fromWhite = (255 - ink.red) + (255 - ink.green) + (255 - ink.blue);
    return distance * 2 < fromWhite;
}

void pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class SolutionWin32 : public testing::TestWithParam<std::pair<double, double>> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.Create(GetModuleHandleW(nullptr), nullptr));
        SetWindowPos(m_window.Window(), nullptr, 0, 0, 720, 720, SWP_NOZORDER);
        m_window.openBeside();
        pump();
    }

    SolutionWindow m_window;
};

TEST_P(SolutionWin32, PaintsTheDisplayListWhereItPutsThings)
{
    const auto [a, b] = GetParam();
    m_window.showPage({fromLegs(a, b), "b = 4\nP = 12", "described", "", false}, {});
    pump();
    const Capture shot = capture(m_window.drawing());
    keep(shot,
         "legs-" + std::to_string(static_cast<int>(a)) + "-" + std::to_string(static_cast<int>(b)));
    const drawing::DisplayList& list = m_window.displayList();
    ASSERT_EQ(shot.width, static_cast<int>(list.width));

    for (const drawing::Dot& dot : list.dots) {
        if (dot.part != drawing::Part::VertexA && dot.part != drawing::Part::VertexB &&
            dot.part != drawing::Part::VertexC)
            continue;
        const int cx = static_cast<int>(std::lround(dot.centre.x));
        const int cy = static_cast<int>(std::lround(dot.centre.y));
        double sumX = 0, sumY = 0, count = 0;
        for (int y = cy - 2; y <= cy + 2; ++y)
            for (int x = cx - 2; x <= cx + 2; ++x)
                if (isInk(shot.at(x, y), {0, 0, 0}))
                    sumX += x, sumY += y, ++count;
        ASSERT_GE(count, 20) << "vertex dot at " << dot.centre.x << ", " << dot.centre.y;
        EXPECT_LE(std::abs(sumX / count - dot.centre.x), 2.0);
        EXPECT_LE(std::abs(sumY / count - dot.centre.y), 2.0);
    }
    for (const drawing::Label& label : list.labels) {
        int left = shot.width, right = -1, top = shot.height, bottom = -1;
        const int x0 = std::max(0, static_cast<int>(label.box.left) - 3);
        const int x1 = std::min(shot.width - 1, static_cast<int>(label.box.right()) + 3);
        const int y0 = std::max(0, static_cast<int>(label.box.top) - 3);
        const int y1 = std::min(shot.height - 1, static_cast<int>(label.box.bottom()) + 3);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                // The box's edge, where a leader ends, is left out: the text keeps off it.
                if (isInk(shot.at(x, y), label.colour) && x >= label.box.left + 2 &&
                    x < label.box.right() - 2 && y >= label.box.top + 1 &&
                    y < label.box.bottom() - 1) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
        ASSERT_GE(right, 0) << label.text << " not painted";
        // The text is centred in its box: its ink's middle lies within two pixels of the
        // box's, and none of it outside the box by more than two.
        EXPECT_LE(std::abs((left + right) / 2.0 - label.box.centre().x), 2.0) << label.text;
        EXPECT_GE(left, label.box.left - 2) << label.text;
        EXPECT_LE(right, label.box.right() + 2) << label.text;
        EXPECT_GE(top, label.box.top - 2) << label.text;
        EXPECT_LE(bottom, label.box.bottom() + 2) << label.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Triangles, SolutionWin32,
                         testing::Values(std::pair{3.0, 4.0}, std::pair{1.0, 1.0},
                                         std::pair{1.0, 1000.0}));

class SolutionWin32Keys : public SolutionWin32 {};

TEST_F(SolutionWin32Keys, EscapeOnlyHidesTheWindow)
{
    ASSERT_TRUE(IsWindowVisible(m_window.Window()));
    MSG escape{m_window.steps(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(m_window.TranslateKeyboard(escape));
    pump();
    EXPECT_FALSE(IsWindowVisible(m_window.Window()));
    EXPECT_TRUE(IsWindow(m_window.Window()));
}

TEST_F(SolutionWin32Keys, TheStepsAreAListOfLinesThatCopiesWhole)
{
    m_window.showPage({fromLegs(3, 4), "b = 4\nP = 12", "", "", false}, {});
    wchar_t className[16] = {};
    GetClassNameW(m_window.steps(), className, 16);
    EXPECT_EQ(std::wstring(className), L"ListBox");
    EXPECT_EQ(SendMessageW(m_window.steps(), LB_GETCOUNT, 0, 0), 2);
    m_window.copySteps();
    EXPECT_EQ(ClipboardText(), L"b = 4\r\nP = 12");
}

TEST_F(SolutionWin32Keys, TheDrawingCopiesAsAPictureTwiceItsSize)
{
    m_window.showPage({fromLegs(3, 4), "", "", "", false}, {});
    m_window.copyDrawing();
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_DIB);
    ASSERT_NE(data, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
    RECT client{};
    GetClientRect(m_window.drawing(), &client);
    EXPECT_EQ(header->biWidth, 2 * client.right);
    EXPECT_EQ(std::abs(header->biHeight), 2 * client.bottom);
    GlobalUnlock(data);
    CloseClipboard();
}

TEST_F(SolutionWin32Keys, TheStepsAreNamedByTheCaptionBeforeThem)
{
    HWND caption = GetWindow(m_window.steps(), GW_HWNDPREV);
    ASSERT_NE(caption, nullptr);
    wchar_t className[16] = {};
    GetClassNameW(caption, className, 16);
    EXPECT_EQ(std::wstring(className), L"Static");
    wchar_t name[128] = {};
    GetWindowTextW(caption, name, 128);
    EXPECT_EQ(std::wstring(name), L"Решение стъпка по стъпка:");
    EXPECT_TRUE(IsWindowVisible(caption));
}

TEST_F(SolutionWin32Keys, TheDrawingIsNamedWithWhatItShows)
{
    m_window.showPage({fromLegs(3, 4), "", "описание", "", false}, {});
    wchar_t name[512] = {};
    GetWindowTextW(m_window.drawing(), name, 512);
    EXPECT_EQ(std::wstring(name), L"Чертеж на триъгълника. описание");
}

// The page's projections and its medians and bisectors are drawn as the Qt form draws them,
// each named once, a median's foot painted in its own ink.
TEST_F(SolutionWin32Keys, TheDrawingShowsTheProjectionsAndCeviansThePageAsksFor)
{
    triangle::SolutionPage page{fromLegs(3, 4), "", "", "", true};
    page.cevians = {triangle::Cevian::MedianA, triangle::Cevian::BisectorC};
    m_window.showPage(page, {});
    pump();
    const drawing::DisplayList& list = m_window.displayList();
    for (const drawing::Part part :
         {drawing::Part::Foot, drawing::Part::ProjectionA, drawing::Part::ProjectionB,
          drawing::Part::MedianA, drawing::Part::BisectorC})
        EXPECT_EQ(std::count_if(list.labels.begin(), list.labels.end(),
                                [part](const drawing::Label& l) { return l.part == part; }),
                  1)
            << static_cast<int>(part);
    const auto foot = std::find_if(list.dots.begin(), list.dots.end(), [](const drawing::Dot& d) {
        return d.part == drawing::Part::MedianA;
    });
    ASSERT_NE(foot, list.dots.end());
    const Capture shot = capture(m_window.drawing());
    EXPECT_TRUE(isInk(shot.at(static_cast<int>(std::lround(foot->centre.x)),
                              static_cast<int>(std::lround(foot->centre.y))),
                      foot->colour));
}

TEST_F(SolutionWin32Keys, MovedToAHigherDpiItTakesTheSuggestedPlaceAndScalesItsText)
{
    // Windows suggests the frame on the new screen; Wine stays at 96 DPI, so the move is
    // only the message. Smaller than the test's virtual screen, which Wine keeps windows in.
    const RECT suggested{40, 30, 40 + 700, 30 + 560};
    SendMessageW(m_window.Window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));

    RECT place{};
    GetWindowRect(m_window.Window(), &place);
    EXPECT_EQ(place.left, 40);
    EXPECT_EQ(place.top, 30);
    EXPECT_EQ(place.right - place.left, 700);
    EXPECT_EQ(place.bottom - place.top, 560);

    HWND caption = GetWindow(m_window.steps(), GW_HWNDPREV);
    for (HWND text : {m_window.steps(), caption}) {
        LOGFONTW font{};
        ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)),
                               sizeof(font), &font));
        EXPECT_EQ(-font.lfHeight, 27) << "18 pixels at 96 DPI";
    }
    // Above the button's row, 32 pixels at 96 DPI, the caption, 26 pixels, right below the
    // drawing's three fifths of the rest.
    RECT client{};
    GetClientRect(m_window.Window(), &client);
    const LONG above = client.bottom - 48;
    RECT steps{};
    GetWindowRect(m_window.steps(), &steps);
    MapWindowPoints(nullptr, m_window.Window(), reinterpret_cast<POINT*>(&steps), 2);
    EXPECT_EQ(steps.top, above * 3 / 5 + 39);
    EXPECT_EQ(steps.bottom, above);
    RECT button{};
    GetWindowRect(m_window.elementsButton(), &button);
    MapWindowPoints(nullptr, m_window.Window(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.top, above + 6);
}

// The main window with its solution, driven by the messages a user's actions produce.
class SolutionWin32Follows : public testing::Test {
protected:
    void SetUp() override
    {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                            ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        m_form = std::make_unique<triangle::win32::SolverForm>();
        ASSERT_TRUE(m_form->Create(GetModuleHandleW(nullptr)));
        m_form->setNumberFormatOverride(triangle::NumberFormat{});
        m_form->Form_Load();
        ShowWindow(m_form->Window(), SW_SHOWNORMAL);
        pump();
        // A refusal's message box is answered from a timer its own modal loop serves.
        m_closer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
            EnumThreadWindows(
                GetCurrentThreadId(),
                [](HWND hwnd, LPARAM) {
                    wchar_t name[16] = {};
                    GetClassNameW(hwnd, name, 16);
                    if (std::wstring(name) == L"#32770" && IsWindowVisible(hwnd))
                        SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
                    return TRUE;
                },
                0);
        });
    }
    void TearDown() override
    {
        KillTimer(nullptr, m_closer);
        m_form.reset();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ;
    }

    HWND field(int i) const
    {
        return GetDlgItem(m_form->Window(), triangle::win32::ids::Text2 + i);
    }
    void type(int i, const std::wstring& text)
    {
        SetWindowTextW(field(i), L"");
        for (const wchar_t c : text)
            SendMessageW(field(i), WM_CHAR, c, 1);
    }
    void press(int id)
    {
        SendMessageW(GetDlgItem(m_form->Window(), id), BM_CLICK, 0, 0);
        pump();
    }
    void controlR()
    {
        {
            const HeldKeys keys(true);
            MSG message{field(0), WM_KEYDOWN, 'R', 1, static_cast<DWORD>(GetMessageTime()), {}};
            if (!m_form->TranslateKeyboard(message))
                DispatchMessageW(&message);
        }
        pump();
    }
    // The list's lines, separated by CR LF.
    std::wstring steps() const
    {
        HWND list = m_form->solution().steps();
        std::wstring text;
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t line[1024] = {};
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
            text += (i > 0 ? L"\r\n" : L"") + std::wstring(line);
        }
        return text;
    }
    std::wstring firstStep() const { return steps().substr(0, steps().find(L'\r')); }
    bool drawsATriangle() const { return !m_form->solution().displayList().labels.empty(); }

    std::unique_ptr<triangle::win32::SolverForm> m_form;
    UINT_PTR m_closer = 0;
};

TEST_F(SolutionWin32Follows, CtrlROpensTheSolutionAndItFollowsTheRow)
{
    namespace ids = triangle::win32::ids;
    type(0, L"3");
    type(1, L"5");
    press(ids::Command1);
    controlR();
    ASSERT_TRUE(m_form->solution().isOpen());
    EXPECT_EQ(firstStep(), L"Вариант 1. Дадени: a = 3.000 и c = 5.000.");
    EXPECT_NE(steps().find(L"b = √(c² − a²) = √(5² − 3²) = √16 = 4"), std::wstring::npos);
    EXPECT_TRUE(drawsATriangle());
    // Owned by the main window, beside it.
    EXPECT_EQ(GetWindow(m_form->solution().Window(), GW_OWNER), m_form->Window());

    type(0, L"4"); // an edit of a given value empties the results, and the solution
    pump();
    EXPECT_FALSE(drawsATriangle());
    EXPECT_EQ(firstStep().rfind(L"Няма изчислен триъгълник.", 0), 0u);

    press(ids::Command1);
    EXPECT_EQ(firstStep(), L"Вариант 1. Дадени: a = 4.000 и c = 5.000.");

    type(0, L"6"); // refused
    press(ids::Command1);
    EXPECT_EQ(firstStep(), L"Вариант 1. Дадени: a = 6.000 и c = 5.000.");
    EXPECT_FALSE(drawsATriangle());

    press(ids::Option1 + 2); // another variant
    EXPECT_EQ(firstStep().rfind(L"Няма изчислен триъгълник.", 0), 0u);
    type(9, L"5");
    type(11, L"7"); // refused, with the isosceles triangle at the bound
    press(ids::Command1);
    EXPECT_NE(steps().find(L"c = 5.000 и S = 6.250"), std::wstring::npos);
    EXPECT_TRUE(drawsATriangle());

    press(ids::Command1 + 1); // clear
    EXPECT_FALSE(drawsATriangle());
}

TEST_F(SolutionWin32Follows, ADoubleClickOnACalculatedRowsResultFieldOpensIt)
{
    namespace ids = triangle::win32::ids;
    RECT place{};
    GetWindowRect(field(2), &place);
    MapWindowPoints(nullptr, m_form->Window(), reinterpret_cast<POINT*>(&place), 2);
    const LPARAM at = MAKELPARAM(place.left + 5, place.top + 5);
    SendMessageW(m_form->Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    pump();
    EXPECT_FALSE(m_form->solution().isOpen()); // nothing calculated yet
    type(0, L"3");
    type(1, L"5");
    press(ids::Command1);
    SendMessageW(m_form->Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    pump();
    EXPECT_TRUE(m_form->solution().isOpen());
}

} // namespace
