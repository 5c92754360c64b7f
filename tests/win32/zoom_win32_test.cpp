#include "tests/triangle_from_legs.h"
#include "window/win32/solution_window.h"

#include <gtest/gtest.h>
#include <windows.h>

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

} // namespace
