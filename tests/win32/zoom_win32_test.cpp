#include "tests/triangle_from_legs.h"
#include "tests/win32/keys_and_clipboard.h"
#include "window/win32/item_pieces.h"
#include "window/win32/solution_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <windowsx.h>

#include <numeric>
#include <string>
#include <vector>

using triangle::win32::SolutionWindow;

namespace {

void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int fontHeight(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return -font.lfHeight;
}

class ZoomWin32 : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.Create(GetModuleHandleW(nullptr), nullptr));
        SetWindowPos(m_window.Window(), nullptr, 0, 0, 720, 720, SWP_NOZORDER);
        m_window.openBeside();
        m_window.showPage({fromLegs(3, 4), "b = 4\nP = 12", "described", "", false}, {});
        pumpMessages();
    }

    // The turn of a wheel with Ctrl held, as Windows sends it to the window under the pointer.
    void ctrlWheel(HWND target, int notches)
    {
        SendMessageW(target, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA * notches), 0);
        pumpMessages();
    }

    SolutionWindow m_window;
};

// At 96 DPI the steps' face is 18 pixels and the drawing's labels 14 (its 720-pixel wide
// pane is too low for its own size, min(w, h) / 32, to pass 14); a zoom multiplies both.
TEST_F(ZoomWin32, TheZoomMembersAndCtrlWheelScaleTheStepsAndTheDrawing)
{
    HWND caption = GetWindow(m_window.steps(), GW_HWNDPREV);
    EXPECT_EQ(fontHeight(m_window.steps()), 18);
    EXPECT_DOUBLE_EQ(m_window.displayList().fontPixels, 14.0);

    for (int i = 0; i < 3; ++i)
        m_window.zoomIn();
    EXPECT_EQ(m_window.zoomPercent(), 150);
    EXPECT_EQ(fontHeight(m_window.steps()), 27) << "18 × 1.5";
    EXPECT_EQ(fontHeight(caption), 27);
    EXPECT_DOUBLE_EQ(m_window.displayList().fontPixels, 21.0) << "14 × 1.5";

    // Over the list, whose own scrolling would take the wheel, and over the drawing.
    ctrlWheel(m_window.steps(), 1);
    EXPECT_EQ(m_window.zoomPercent(), 175);
    EXPECT_EQ(fontHeight(m_window.steps()), 32) << "18 × 1.75 = 31.5, rounded";
    ctrlWheel(m_window.drawing(), -2);
    EXPECT_EQ(m_window.zoomPercent(), 125);
    EXPECT_DOUBLE_EQ(m_window.displayList().fontPixels, 17.5) << "14 × 1.25";

    // Without Ctrl the wheel scrolls and leaves the zoom.
    SendMessageW(m_window.steps(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    pumpMessages();
    EXPECT_EQ(m_window.zoomPercent(), 125);

    m_window.zoomReset();
    EXPECT_EQ(fontHeight(m_window.steps()), 18);
    EXPECT_DOUBLE_EQ(m_window.displayList().fontPixels, 14.0);

    for (int i = 0; i < 6; ++i)
        m_window.zoomOut();
    EXPECT_EQ(m_window.zoomPercent(), 50);
    EXPECT_EQ(fontHeight(m_window.steps()), 9);
    EXPECT_DOUBLE_EQ(m_window.displayList().fontPixels, 7.0);
}

// The caption grows with its face and the list keeps the rest of the pane.
TEST_F(ZoomWin32, TheCaptionGrowsWithItsFace)
{
    RECT before{};
    GetWindowRect(m_window.steps(), &before);
    for (int i = 0; i < 7; ++i)
        m_window.zoomIn();
    EXPECT_EQ(m_window.zoomPercent(), 300);
    RECT after{};
    GetWindowRect(m_window.steps(), &after);
    EXPECT_EQ(after.top - before.top, 2 * 26) << "the caption, 26 pixels, three times as tall";
    EXPECT_EQ(after.bottom, before.bottom);
}

// "Решение стъпка по стъпка:" at 300 % of 18 pixels is wider than the 720-pixel window: the
// caption takes a smaller face rather than wrap and lose its last words below its place.
TEST_F(ZoomWin32, TheCaptionStaysWholeOnOneLineAt300Percent)
{
    HWND caption = GetWindow(m_window.steps(), GW_HWNDPREV);
    for (int i = 0; i < 7; ++i)
        m_window.zoomIn();
    ASSERT_EQ(m_window.zoomPercent(), 300);
    EXPECT_LT(fontHeight(caption), 54) << "smaller than the steps' 18 × 3";
    EXPECT_GT(fontHeight(caption), 27) << "yet larger than at 150 %";

    wchar_t name[64] = {};
    const int length = GetWindowTextW(caption, name, 64);
    RECT client{};
    GetClientRect(caption, &client);
    RECT measured{0, 0, client.right, 0};
    HDC dc = GetDC(caption);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(caption, WM_GETFONT, 0, 0)));
    DrawTextW(dc, name, length, &measured, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(caption, dc);
    EXPECT_EQ(measured.bottom, metrics.tmHeight) << "one line";
    EXPECT_LE(measured.bottom, client.bottom) << "within the caption's place";

    m_window.zoomReset();
    EXPECT_EQ(fontHeight(caption), 18) << "the steps' face again where it fits";
}

struct PiecesRow {
    const char* name;
    int lines, lineHeight, padding;
    std::vector<int> pieces; // worked by hand
};

class ItemPiecesTest : public testing::TestWithParam<PiecesRow> {};

// Up to (255 − 2 × padding) / line height whole lines an item; the first item takes the top
// padding, the last the bottom one.
TEST_P(ItemPiecesTest, SplitBetweenLinesNoneOver255)
{
    const PiecesRow& row = GetParam();
    EXPECT_EQ(triangle::win32::ItemPieces(row.lines, row.lineHeight, row.padding, 255), row.pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ItemPiecesTest,
    testing::Values(
        // 3 × 20 + 4 = 64.
        PiecesRow{"ShortStepOneItem", 3, 20, 2, {64}},
        // 4 × 62 + 4 = 252, still one item.
        PiecesRow{"FourLinesAt300PercentFit", 4, 62, 2, {252}},
        // (255 − 4) / 62 = 4 lines an item: 2 + 248, 248, 124 + 2; together 10 × 62 + 4.
        PiecesRow{"TenLinesAt300Percent", 10, 62, 2, {250, 248, 126}},
        // 5 × 50 + 6 = 256 passes 255 by one: (255 − 6) / 50 = 4 lines, then 1.
        PiecesRow{"OnePixelOver", 5, 50, 3, {203, 53}},
        // A line taller than an item is cut: 300 + 4 = 255 + 49.
        PiecesRow{"LineTallerThanAnItem", 1, 300, 2, {255, 49}}),
    [](const testing::TestParamInfo<PiecesRow>& info) { return std::string(info.param.name); });

// A step of many wrapped lines at 300 %: its items, none over 255 pixels, add up to the height
// the step's text measures at the list's width, and it is copied once.
TEST_F(ZoomWin32, ALongStepAt300PercentIsDrawnWholeInItemsOfAtMost255Pixels)
{
    std::string longStep = "S =";
    for (int i = 0; i < 12; ++i)
        longStep += " 12 + 34 + 56 + 78 + 90 +";
    longStep += " 1";
    m_window.showPage({fromLegs(3, 4), "b = 4\n" + longStep + "\nP = 12", "", "", false}, {});
    for (int i = 0; i < 7; ++i)
        m_window.zoomIn();
    ASSERT_EQ(m_window.zoomPercent(), 300);
    pumpMessages();

    HWND list = m_window.steps();
    const int count = ListBox_GetCount(list);
    ASSERT_GT(count, 3) << "the long step takes more than one item";
    std::vector<int> heights;
    for (int i = 0; i < count; ++i) {
        heights.push_back(ListBox_GetItemHeight(list, i));
        EXPECT_LE(heights.back(), 255) << "item " << i;
    }

    // The step measured as the list draws it: its face, wrapped 4 pixels in from either side,
    // 2 pixels above and below.
    RECT client{};
    GetClientRect(list, &client);
    const std::wstring text(longStep.begin(), longStep.end());
    RECT measured{0, 0, client.right - 8, 0};
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    const int stepItems = count - 2; // "b = 4" and "P = 12" take one item each
    EXPECT_EQ(std::accumulate(heights.begin() + 1, heights.begin() + 1 + stepItems, 0),
              measured.bottom + 4);

    // Its continuation items hold no text of their own; the step is copied once.
    wchar_t first[512] = {};
    ListBox_GetText(list, 1, first);
    EXPECT_EQ(std::wstring(first), text);
    EXPECT_EQ(ListBox_GetTextLen(list, 2), 0);
    // A click on a continuation item selects the step, which Ctrl+C copies once.
    RECT second{};
    ListBox_GetItemRect(list, 2, &second);
    const LPARAM at =
        MAKELPARAM((second.left + second.right) / 2, (second.top + second.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(ListBox_GetSelCount(list), stepItems);
    EXPECT_EQ(ListBox_GetCaretIndex(list), 1);
    HeldKeys control(true);
    MSG copy{list, WM_KEYDOWN, 'C', 0, 0, {}};
    EXPECT_TRUE(m_window.TranslateKeyboard(copy));
    EXPECT_EQ(ClipboardText(), text);
}

// Down from the long step's first item goes to the next step, and the selection takes the
// long step whole.
TEST_F(ZoomWin32, TheArrowKeysGoFromStepToStep)
{
    std::string longStep = "S =";
    for (int i = 0; i < 12; ++i)
        longStep += " 12 + 34 + 56 + 78 + 90 +";
    m_window.showPage({fromLegs(3, 4), "b = 4\n" + longStep + "\nP = 12", "", "", false}, {});
    for (int i = 0; i < 7; ++i)
        m_window.zoomIn();
    HWND list = m_window.steps();
    const int count = ListBox_GetCount(list);
    ASSERT_GT(count, 3);
    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_HOME, 0);
    SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(ListBox_GetCaretIndex(list), 1) << "the long step's first item";
    EXPECT_EQ(ListBox_GetSelCount(list), count - 2) << "all of its items";
    SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(ListBox_GetCaretIndex(list), count - 1) << "P = 12";
    SendMessageW(list, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(ListBox_GetCaretIndex(list), 1);
}

} // namespace
