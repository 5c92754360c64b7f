#pragma once

#include <string>
#include <vector>

namespace triangle {

// Why a calculation needs exactly two facts, naming the fields filled: "Попълнени са 3 полета:
// „катет a“, „хипотенуза c“ и „втора връзка между два елемента“. …"
std::string FactCountMessage(const std::vector<const char*>& names);

} // namespace triangle
