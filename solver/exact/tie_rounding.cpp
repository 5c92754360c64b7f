#include "solver/exact/tie_rounding.h"

namespace triangle {

namespace {

// NearThousandthTie's bound: below it a thousandth keeps some 13 bits of a double's 53.
constexpr double largestRounded = 1e12;

ExactNumber thousandths(std::int64_t numerator, std::int64_t denominator)
{
    return ExactNumber::rational(exact::makeRational(numerator, denominator));
}

} // namespace

std::optional<std::int64_t> ThousandthsFromExact(double value, const ExactNumber& exact)
{
    if (!exact.exists() || !(value > 0.0 && value < largestRounded))
        return std::nullopt;
    const auto below = static_cast<std::int64_t>(value * 1000.0);
    const auto above = (exact - thousandths(below, 1000)).sign();
    const auto under = (thousandths(below + 1, 1000) - exact).sign();
    const auto side = (exact - thousandths(2 * below + 1, 2000)).sign();
    if (!above || !under || !side || *above <= 0 || *under <= 0)
        return std::nullopt;
    return *side >= 0 ? below + 1 : below;
}

std::string FormatThousandths(std::int64_t thousandths, const NumberFormat& region)
{
    // A whole number of thousandths below 10¹⁵ reads, to fifteen digits, as exactly its
    // decimal, which FormatFieldNumber then writes unchanged.
    return FormatFieldNumber(static_cast<double>(thousandths) / 1000.0, region);
}

} // namespace triangle
