// The Win32 window's menu bar as Windows reports it: its menus and entries with their keys,
// an accelerator that opens the help, and the client left at the layout's size below it.

#include "tests/win32/main_window_test.h"
#include "window/main_form/form_layout.h"
#include "window/win32/control_ids.h"
#include "window/win32/menu_bar.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

namespace ids = triangle::win32::ids;
namespace layout = triangle::layout;

std::wstring itemText(HMENU menu, int place)
{
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(place), text, 256, MF_BYPOSITION);
    return text;
}

std::vector<std::wstring> itemTexts(HMENU menu)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        texts.push_back(itemText(menu, i));
    return texts;
}

class Win32MenuBar : public MainWindowTest {};

TEST_F(Win32MenuBar, HasItsThreeMenusWithTheirEntriesAndKeys)
{
    HMENU bar = GetMenu(m_form->Window());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(itemTexts(bar), (std::vector<std::wstring>{L"&Файл", L"&Триъгълник", L"&Помощ"}));
    // A separator reads as an empty text.
    EXPECT_EQ(
        itemTexts(GetSubMenu(bar, 0)),
        (std::vector<std::wstring>{L"&Печат…\tCtrl+P", L"&Запази като PDF…\tCtrl+S",
                                   L"Запази &чертежа като картина…", L"", L"&Изход\tCtrl+Q"}));
    EXPECT_EQ(itemTexts(GetSubMenu(bar, 1)),
              (std::vector<std::wstring>{L"Триъгълник по два &елемента…\tCtrl+2",
                                         L"&Решение\tCtrl+R", L"&Целият триъгълник\tShift+F1",
                                         L"&Копирай реда на избрания вариант\tCtrl+Shift+C"}));
    EXPECT_EQ(itemTexts(GetSubMenu(bar, 2)),
              (std::vector<std::wstring>{L"&Помощ\tF1", L"&За програмата"}));
}

TEST_F(Win32MenuBar, TheClientIsTheLayoutsSizeBelowTheBar)
{
    RECT client{};
    GetClientRect(m_form->Window(), &client);
    const int dpi = static_cast<int>(GetDpiForWindow(m_form->Window()));
    EXPECT_EQ(client.right, layout::Pixels(layout::ClientWidth, dpi));
    EXPECT_EQ(client.bottom, layout::Pixels(layout::ClientHeight, dpi));
    MENUBARINFO info{sizeof(MENUBARINFO), {}, nullptr, nullptr, 0, 0};
    ASSERT_TRUE(GetMenuBarInfo(m_form->Window(), OBJID_MENU, 0, &info));
    POINT clientTop{0, 0};
    ClientToScreen(m_form->Window(), &clientTop);
    // Wine's bar reaches one pixel into the client's first line, the line under the bar.
    EXPECT_LE(info.rcBar.bottom, clientTop.y + 1);
    EXPECT_GT(clientTop.y - info.rcBar.top, 10);
}

TEST_F(Win32MenuBar, F1OpensTheHelpAndEscapeClosesIt)
{
    HWND field = GetDlgItem(m_form->Window(), ids::Text2);
    SetFocus(field);
    EXPECT_TRUE(pressKey(field, VK_F1));
    ASSERT_TRUE(m_form->help().isOpen());
    wchar_t text[64] = {};
    GetWindowTextW(m_form->help().Window(), text, 64);
    EXPECT_STREQ(text, L"Помощ");
    const int length = GetWindowTextLengthW(m_form->help().text());
    std::wstring help(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(m_form->help().text(), help.data(), length + 1);
    EXPECT_NE(help.find(L"Ctrl+2 — Триъгълник по два елемента…\r\n"), std::wstring::npos);
    EXPECT_TRUE(GetWindowLongW(m_form->help().text(), GWL_STYLE) & ES_READONLY);

    EXPECT_TRUE(pressKey(m_form->help().text(), VK_ESCAPE));
    EXPECT_FALSE(m_form->help().isOpen());
}

// 640 × 560 pixels at 96 DPI, to the right of the main window where the work area has room,
// else against its right edge; not over the main window's top left corner.
TEST_F(Win32MenuBar, TheHelpOpensBesideTheMainWindowAtItsScreensScale)
{
    SetWindowPos(m_form->Window(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(m_form->Window(), WM_COMMAND,
                 triangle::win32::MenuCommandId(triangle::menu::Command::ShowHelp), 0);
    PumpMessages();
    ASSERT_TRUE(m_form->help().isOpen());
    const int dpi = static_cast<int>(GetDpiForWindow(m_form->Window()));
    RECT main{};
    GetWindowRect(m_form->Window(), &main);
    MONITORINFO monitor{sizeof(MONITORINFO), {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(m_form->Window(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    RECT help{};
    GetWindowRect(m_form->help().Window(), &help);
    const int width = std::min<int>(MulDiv(640, dpi, 96), work.right - work.left);
    EXPECT_EQ(help.right - help.left, width);
    EXPECT_EQ(help.bottom - help.top, std::min<int>(MulDiv(560, dpi, 96), work.bottom - work.top));
    EXPECT_EQ(help.left,
              std::max<int>(work.left, std::min<int>(main.right + 8, work.right - width)));
    EXPECT_EQ(help.top, main.top);
}

TEST_F(Win32MenuBar, AboutNamesTheVersionAndTheLinkedLibrariesNotices)
{
    SendMessageW(m_form->Window(), WM_COMMAND,
                 triangle::win32::MenuCommandId(triangle::menu::Command::About), 0);
    PumpMessages();
    ASSERT_TRUE(m_form->about().isOpen());
    const int length = GetWindowTextLengthW(m_form->about().text());
    std::wstring about(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(m_form->about().text(), about.data(), length + 1);
    EXPECT_NE(about.find(L"Версия 1.00"), std::wstring::npos);
    EXPECT_NE(about.find(L"Copyright (c) 2011-2016 mingw-w64 project"), std::wstring::npos);
    EXPECT_NE(about.find(L"Lockless Inc."), std::wstring::npos);
}

TEST_F(Win32MenuBar, EntriesAreEnabledAsTheFieldsMenuEnablesThem)
{
    HMENU bar = GetMenu(m_form->Window());
    const auto enabled = [this](HMENU menu, int place) {
        SendMessageW(m_form->Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                     MAKELPARAM(0, FALSE));
        return (GetMenuState(menu, static_cast<UINT>(place), MF_BYPOSITION) & MF_GRAYED) == 0;
    };
    HWND first = GetDlgItem(m_form->Window(), ids::Text2);
    SetFocus(first);
    EXPECT_FALSE(enabled(GetSubMenu(bar, 0), 0)) << "Печат… without a triangle";
    EXPECT_FALSE(enabled(GetSubMenu(bar, 0), 2)) << "the picture without a triangle";
    EXPECT_FALSE(enabled(GetSubMenu(bar, 1), 3)) << "the copy of a row without a triangle";

    SetWindowTextW(first, L"3");
    SetWindowTextW(GetDlgItem(m_form->Window(), ids::Text2 + 1), L"5");
    SendMessageW(m_form->Window(), WM_COMMAND, MAKEWPARAM(ids::Command1, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(m_form->Window(), ids::Command1)));
    PumpMessages();
    SetFocus(first);
    EXPECT_TRUE(enabled(GetSubMenu(bar, 0), 0)) << "Печат…";
    EXPECT_TRUE(enabled(GetSubMenu(bar, 0), 2)) << "Запази чертежа като картина…";
    EXPECT_TRUE(enabled(GetSubMenu(bar, 1), 2)) << "Целият триъгълник";
    EXPECT_TRUE(enabled(GetSubMenu(bar, 1), 3)) << "Копирай реда";
}

} // namespace
