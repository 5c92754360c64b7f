#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What a modal loop (a message box's, a menu's) shows, read into `seen()` by
// `Reader::Read` every 50 ms while the object lives: from a timer on the test's own thread,
// which the modal loop keeps serving, so that no test can hang on one.
template <class Item, class Reader> class ModalReader {
public:
    ModalReader() : m_timer(SetTimer(nullptr, 0, 50, &ModalReader::Tick)) {}
    ~ModalReader() { KillTimer(nullptr, m_timer); }
    ModalReader(const ModalReader&) = delete;
    ModalReader& operator=(const ModalReader&) = delete;

    static std::vector<Item>& seen()
    {
        static std::vector<Item> items;
        return items;
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { Reader::Read(); }

    UINT_PTR m_timer = 0;
};

// An entry of a popup menu as the user sees it.
struct MenuEntry {
    std::wstring text;
    bool enabled;
};

// The entries of the popup menu open on the test's thread, separators left out; none where
// no menu is shown.
inline std::vector<MenuEntry> OpenMenuEntries()
{
    std::vector<MenuEntry> entries;
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup || !IsWindowVisible(popup))
        return entries;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        if (!(state & MF_SEPARATOR))
            entries.push_back({text, !(state & (MF_GRAYED | MF_DISABLED))});
    }
    return entries;
}
