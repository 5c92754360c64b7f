#pragma once

#include "accessible_name.h"
#include "modal_reader.h"

#include <windows.h>

#include <string>
#include <vector>

struct Message {
    std::wstring title;
    std::wstring text;
    std::wstring spoken; // the text's name through MSAA, what a screen reader hears
};

// Every message box that opens while a test runs is read and closed.
class MessageBoxCloser : public ModalReader<Message, MessageBoxCloser> {
public:
    static void Read() { EnumThreadWindows(GetCurrentThreadId(), &MessageBoxCloser::Close, 0); }

private:
    static BOOL CALLBACK Close(HWND hwnd, LPARAM)
    {
        wchar_t className[16] = {};
        GetClassNameW(hwnd, className, 16);
        if (std::wstring(className) != L"#32770" || !IsWindowVisible(hwnd))
            return TRUE;
        wchar_t title[256] = {};
        wchar_t text[1024] = {};
        GetWindowTextW(hwnd, title, 256);
        GetDlgItemTextW(hwnd, 0xFFFF, text, 1024); // a message box's text
        seen().push_back({title, text, AccessibleName(GetDlgItem(hwnd, 0xFFFF))});
        SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
};
