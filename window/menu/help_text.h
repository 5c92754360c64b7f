#pragma once

#include <string>

namespace triangle::menu {

// The whole help, its key lists made from the menus' table. Lines end with "\n".
std::string HelpText();
// "За програмата": the name, the version, the licence and, where given, the notices of the
// libraries linked into the program.
std::string AboutText(const char* version, const char* notices);

} // namespace triangle::menu
