#pragma once

// What the Win32 window suites share: the main window made and shown as the program shows it,
// the messages pumped as its loop would, keys held down, the clipboard read.

#include "tests/win32/keys_and_clipboard.h"
#include "tests/win32/message_box_closer.h"
#include "window/win32/solver_form.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

inline void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The main window made, loaded and shown, in the English number format; every message box
// that opens is read and closed.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                            ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        MessageBoxCloser::seen().clear();
        m_form = std::make_unique<triangle::win32::SolverForm>();
        ASSERT_TRUE(m_form->Create(GetModuleHandleW(nullptr)));
        m_form->setNumberFormatOverride(triangle::NumberFormat{});
        m_form->Form_Load();
        ShowWindow(m_form->Window(), SW_SHOWNORMAL);
        SetForegroundWindow(m_form->Window());
        UpdateWindow(m_form->Window());
        PumpMessages();
    }
    void TearDown() override
    {
        m_form.reset();
        // The window's end asks the message loop to quit; this loop is the test's.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ;
        CoUninitialize();
    }

    // A key going through the program's own message loop, with Ctrl and Shift as given.
    bool pressKey(HWND target, WPARAM key, bool control = false, bool shift = false)
    {
        bool handled = false;
        {
            const HeldKeys keys(control, shift);
            MSG message{target, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
            handled = m_form->TranslateKeyboard(message);
            if (!handled) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        PumpMessages();
        return handled;
    }

    std::unique_ptr<triangle::win32::SolverForm> m_form;
    MessageBoxCloser m_closer;
};
