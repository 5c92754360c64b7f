#pragma once

#include <windows.h>

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
