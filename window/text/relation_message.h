#pragma once

#include "solver/relation/relation.h"

#include <string>
#include <string_view>

namespace triangle {

// Why the text of a relation field does not read, and what may be typed there, for a message
// box: "„a:b=5:“ не е връзка между два елемента. Пишете например …".
std::string RelationTextMessage(const RelationTextFault& fault, std::string_view typed,
                                const NumberFormat& region = {});

} // namespace triangle
