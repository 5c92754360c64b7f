#include "fuzz/fuzz_regions.h"
#include "solver/element/element_solver.h"
#include "solver/exact/exact_text.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

using triangle::Element;

// Whether x and y agree to rounding: the formulas take a few roundings each.
bool agree(double x, double y)
{
    return std::fabs(x - y) <= 1e-9 * std::fmax(std::fabs(x), std::fabs(y)) + 1e-300;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// A value typed as a fraction or a root is written back in its canonical form, which must
// read as the same number again: "2*sqrt(3)" as "2√3", "√12" as "2√3".
void checkWrittenBack(Element element, std::string_view text, const triangle::NumberFormat& region)
{
    const auto read = triangle::ReadGivenElement(element, text, region);
    if (!read.ok() || !read.value().form)
        return;
    const auto written =
        triangle::WriteExact(read.value().exact, region, triangle::RationalForm::Fraction);
    // A whole number grouped by its region ("1.236") is written back as a decimal instead.
    if (!written || (!region.groupSeparator.empty() &&
                     written->find(region.groupSeparator) != std::string::npos))
        return;
    const auto again = triangle::ReadGivenElement(element, *written, region);
    check(again.ok() && triangle::ExactlyEquals(again.value().exact, read.value().exact));
    check(again.value().value == read.value().value);
}

} // namespace

// Any two elements from two arbitrary texts, decimals, fractions or roots: a whole right
// triangle or a refusal; a fraction or a root reads back as itself from its written form. A
// triangle has twelve finite values shown without a minus sign, legs and hypotenuse with a² + b² =
// c², projections that add up to c and angles to 90°, and, where they were not given, the height,
// the area, the perimeter and the radii that belong to its legs (a given one may be off by its
// typing where the values were taken as the isosceles triangle). A refusal carries a reason and
// names one of the two fields.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto input = TakeApart(data, size, 2);
    if (!input)
        return 0;
    const auto first = static_cast<Element>(input->choices[0] % triangle::ElementCount);
    const auto second = static_cast<Element>(input->choices[1] % triangle::ElementCount);
    const triangle::NumberFormat& region = input->region;
    checkWrittenBack(first, input->first(), region);
    checkWrittenBack(second, input->second(), region);
    const auto solved =
        triangle::SolveElements(first, input->first(), second, input->second(), region);
    if (!solved.ok()) {
        const triangle::ElementRefusal& refusal = solved.fault();
        check(refusal.first == first && refusal.second == second);
        check(refusal.field == first || refusal.field == second);
        return 0;
    }
    const triangle::TriangleDetails& t = solved.value();
    for (int i = 0; i < triangle::ElementCount; ++i) {
        const double value = triangle::ElementOf(t, static_cast<Element>(i));
        // A tangent of legs 10³⁰⁰ to 10⁻³⁰⁰ lies beyond the doubles; the measured twelve never.
        check(value >= 0.0 && (std::isfinite(value) || i >= triangle::MeasuredElementCount));
        check(!triangle::FormatFieldNumber(value, region).starts_with(region.negativeSign));
    }
    check(agree(std::hypot(t.a, t.b), t.c));
    check(agree(t.alpha + t.beta, 90.0));
    const auto given = [&](Element element) { return element == first || element == second; };
    // Beyond the range of a double's square the squares and products below overflow or
    // vanish: nothing to check.
    if (t.c > 1e150 || t.b < 1e-150 || t.a < 1e-150)
        return 0;
    check(agree(t.a1 + t.b1, t.c));
    if (!given(Element::h))
        check(agree(t.h * t.c, t.a * t.b));
    if (!given(Element::S))
        check(agree(2.0 * t.S, t.a * t.b));
    if (!given(Element::P))
        check(agree(t.P, t.a + t.b + t.c));
    if (!given(Element::R))
        check(agree(2.0 * t.R, t.c));
    if (!given(Element::r))
        check(agree(t.r * (t.a + t.b + t.c), t.a * t.b));
    return 0;
}
