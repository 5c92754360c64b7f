#pragma once

// The keyboard state a message loop reads and the clipboard's text, as the Win32 suites
// set and read them.

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>

inline std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Ctrl and Shift down or up as given while the object lives, as the keyboard state a
// message loop reads.
class HeldKeys {
public:
    explicit HeldKeys(bool control, bool shift = false)
    {
        GetKeyboardState(m_before);
        BYTE pressed[256] = {};
        std::copy(std::begin(m_before), std::end(m_before), std::begin(pressed));
        pressed[VK_CONTROL] = control ? 0x80 : 0;
        pressed[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(pressed);
    }
    ~HeldKeys() { SetKeyboardState(m_before); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE m_before[256] = {};
};
