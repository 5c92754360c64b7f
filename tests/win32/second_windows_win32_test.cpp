// "Решение" and the window of any two elements as they open on a screen: whole on its work
// area, with the program's icon, every field and button of the latter whole or scrolled to.

#include "tests/win32/main_window_test.h"
#include "window/elements/elements_layout.h"
#include "window/win32/control_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

namespace ids = triangle::win32::ids;
using triangle::Element;

RECT workAreaOf(HWND window)
{
    MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

bool inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// A control's place in the client area of `window`.
RECT placeIn(HWND window, HWND control)
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

class Win32SecondWindows : public MainWindowTest {
protected:
    triangle::win32::ElementsWindow& elements() { return m_form->elements(); }
    void openBoth()
    {
        m_form->openSolution();
        PumpMessages();
        pressKey(GetDlgItem(m_form->Window(), ids::Text2), '2', true);
    }
    // Every field and both buttons lie whole in the panel's visible part.
    void expectWholeInView(HWND control, const char* what)
    {
        RECT client{};
        GetClientRect(elements().panel(), &client);
        const RECT place = placeIn(elements().panel(), control);
        EXPECT_TRUE(inside(place, client))
            << what << " at " << place.left << "," << place.top << "-" << place.right << ","
            << place.bottom << " in " << client.right << "x" << client.bottom;
    }
};

TEST_F(Win32SecondWindows, BothCarryTheProgramsIcon)
{
    openBoth();
    ASSERT_TRUE(m_form->solution().isOpen());
    ASSERT_TRUE(elements().isOpen());
    EXPECT_NE(GetClassLongPtrW(m_form->solution().Window(), GCLP_HICON), 0u);
    EXPECT_NE(GetClassLongPtrW(m_form->solution().Window(), GCLP_HICONSM), 0u);
    EXPECT_NE(GetClassLongPtrW(elements().Window(), GCLP_HICON), 0u);
}

TEST_F(Win32SecondWindows, BothOpenWholeOnTheWorkArea)
{
    openBoth();
    const RECT free = workAreaOf(m_form->Window());
    RECT frame{};
    GetWindowRect(m_form->solution().Window(), &frame);
    EXPECT_TRUE(inside(frame, free)) << "Решение";
    // Wider than this screen where it has room: 1280 pixels at 96 DPI.
    GetWindowRect(elements().Window(), &frame);
    EXPECT_TRUE(inside(frame, free)) << "the window of any two elements";
    for (int i = 0; i < 2; ++i)
        expectWholeInView(elements().button(i), i == 0 ? "Изчисли" : "Изчисти");
}

TEST_F(Win32SecondWindows, ShrunkTheElementsWindowKeepsEveryFieldAndButtonWhole)
{
    openBoth();
    SetWindowPos(elements().Window(), nullptr, 0, 0, 200, 200, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    RECT client{};
    GetClientRect(elements().Window(), &client);
    // The panel, 740 × 594 pixels at 96 DPI, beside at least 240 of drawing: the work area
    // of the test's screen holds that.
    EXPECT_GE(client.right, 740 + 240);
    EXPECT_GE(client.bottom, 594);
    for (int i = 0; i < triangle::ElementCount; ++i)
        expectWholeInView(elements().field(static_cast<Element>(i)), "a field");
    for (int i = 0; i < 2; ++i)
        expectWholeInView(elements().button(i), "a button");
}

TEST_F(Win32SecondWindows, WhereTheScreenIsTooLowThePanelScrollsToTheButtons)
{
    openBoth();
    // At 144 DPI the panel is 594 · 1,5 = 891 pixels high, more than the test's screen: the window
    // as Windows would place it there, filling the work area.
    const RECT free = workAreaOf(elements().Window());
    SendMessageW(elements().Window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&free));
    PumpMessages();
    RECT frame{};
    GetWindowRect(elements().Window(), &frame);
    EXPECT_TRUE(inside(frame, free));
    SCROLLINFO scroll{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(elements().panel(), SB_VERT, &scroll));
    EXPECT_EQ(scroll.nMax + 1, 891);
    EXPECT_LT(scroll.nPage, 891u);
    // The fields keep their width: 1110 pixels of panel at 144 DPI.
    RECT panel{};
    GetClientRect(elements().panel(), &panel);
    EXPECT_GE(panel.right, 1110);
    // Tab from a through the other fields and the two relations to "Изчисли" and "Изчисти".
    SetFocus(elements().field(Element::a));
    for (int i = 0; i < triangle::ElementCount + 3; ++i)
        pressKey(GetFocus(), VK_TAB);
    ASSERT_EQ(GetFocus(), elements().button(1));
    expectWholeInView(elements().button(1), "Изчисти, after Tab");
    // Back to the last field, then the one before it: each scrolled to in turn.
    for (int i = 0; i < 3; ++i) {
        pressKey(GetFocus(), VK_TAB, false, true);
        expectWholeInView(GetFocus(), "a field, after Shift+Tab");
    }
}

} // namespace
