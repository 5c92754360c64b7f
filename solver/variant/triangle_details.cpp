#include "solver/variant/triangle_details.h"

#include "solver/formula/formula.h"
#include "solver/formula/formula_angles.h"

namespace triangle {

std::optional<TriangleDetails> DetailsOf(const RowFields& row, Steps* steps)
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

    // Both the height and the inscribed radius from the product of the legs, which has no
    // cancellation: r = (a + b − c)/2 loses digits when one leg is much the shorter.
    try {
        using formula::Quantity;
        constexpr formula::Constant two{2.0, "2"};
        const Quantity a("a", Checked(details.a));
        const Quantity b("b", Checked(details.b));
        const Quantity c("c", Checked(details.c));
        details.alpha = step(steps, "α", formula::ArcTangentDegrees(a, b), "°").number();
        details.beta = step(steps, "β", formula::ArcTangentDegrees(b, a), "°").number();
        details.h = step(steps, "h", (a * b) / c).number();
        details.r = step(steps, "r", (a * b) / ((a + b) + c)).number();
        details.R = step(steps, "R", c / two).number();
        details.a1 = step(steps, "a₁", (a * a) / c).number();
        details.b1 = step(steps, "b₁", (b * b) / c).number();
    } catch (const CalculationStopped&) {
        return std::nullopt; // a product of the legs beyond the range of a double
    }
    return details;
}

} // namespace triangle
