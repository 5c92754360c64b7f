#include "solver/triangle_details.h"

#include <cmath>
#include <numbers>

namespace triangle {

std::optional<TriangleDetails> DetailsOf(const RowFields& row)
{
    if (!row.a || !row.b || !row.c || !row.P || !row.S)
        return std::nullopt;
    TriangleDetails details;
    details.a = *row.a;
    details.b = *row.b;
    details.c = *row.c;
    details.P = *row.P;
    details.S = *row.S;
    if (!(details.a > 0.0 && details.b > 0.0 && details.c > 0.0))
        return std::nullopt;

    constexpr double degreesPerRadian = 180.0 / std::numbers::pi;
    details.alpha = std::atan2(details.a, details.b) * degreesPerRadian;
    details.beta = std::atan2(details.b, details.a) * degreesPerRadian;
    // Both the height and the inscribed radius from the product of the legs, which has no
    // cancellation: r = (a + b − c)/2 loses digits when one leg is much the shorter.
    details.h = details.a * details.b / details.c;
    details.r = details.a * details.b / (details.a + details.b + details.c);
    details.R = details.c / 2.0;
    if (!std::isfinite(details.h) || !std::isfinite(details.r))
        return std::nullopt;
    return details;
}

} // namespace triangle
