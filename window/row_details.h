#pragma once

#include "solver/field_number.h"

#include <string>

namespace triangle {

struct TriangleDetails;

// The whole triangle of a calculated row as the tooltip of its fields shows it: a heading,
// then one quantity per line, "катет b = 4,000", in the region's number format, angles in
// degrees with the degree sign.
std::string RowDetailsText(const TriangleDetails& details, const NumberFormat& region);

} // namespace triangle
