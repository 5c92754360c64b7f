#include "window/win32/clipboard.h"

#include <cstring>

namespace triangle::win32 {

bool PutOnClipboard(HWND owner, UINT format, HGLOBAL memory)
{
    if (!memory)
        return false;
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(format, memory) != nullptr;
    if (!put)
        GlobalFree(memory);
    CloseClipboard();
    return put;
}

bool PutTextOnClipboard(HWND owner, const std::wstring& text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    return PutOnClipboard(owner, CF_UNICODETEXT, memory);
}

} // namespace triangle::win32
