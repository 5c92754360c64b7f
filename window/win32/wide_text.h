#pragma once

#include <string>
#include <string_view>

namespace triangle::win32 {

// The program keeps its texts in UTF-8; Windows' W functions take UTF-16. These two are the
// only crossing between them.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace triangle::win32
