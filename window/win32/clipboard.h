#pragma once

#include <windows.h>

#include <string>

namespace triangle::win32 {

// Puts a block of global memory on the clipboard in the given format. The clipboard takes
// the memory; where it cannot, the memory is freed here. A null block puts nothing.
bool PutOnClipboard(HWND owner, UINT format, HGLOBAL memory);
// Puts a text on the clipboard as CF_UNICODETEXT.
bool PutTextOnClipboard(HWND owner, const std::wstring& text);

} // namespace triangle::win32
