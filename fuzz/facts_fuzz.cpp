#include "solver/element/fact_solver.h"
#include "solver/number/field_number.h"

#include "fuzz/fuzz_regions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

using triangle::Element;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The elements a relation takes: the lengths, the perimeter, the medians and bisectors, and
// the two acute angles.
constexpr Element relatable[] = {Element::a,  Element::b,  Element::c,     Element::h,
                                 Element::a1, Element::b1, Element::P,     Element::r,
                                 Element::R,  Element::mA, Element::mB,    Element::lA,
                                 Element::lB, Element::lC, Element::alpha, Element::beta};

} // namespace

// A relation chosen by the first four bytes (its kind, its two elements, the element of the
// other fact), its number the first text, the other fact's value the second: never a crash,
// every refusal names a reason, and every triangle's shown values read back as themselves.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto input = TakeApart(data, size, 4);
    if (!input)
        return 0;
    const triangle::NumberFormat& region = input->region;
    const auto number = triangle::ReadTypedNumber(input->first(), region);
    const auto other = static_cast<Element>(input->choices[3] % triangle::ElementCount);
    const auto value = triangle::ReadGivenElement(other, input->second(), region);
    if (!number.ok() || !value.ok())
        return 0;
    triangle::Relation relation;
    relation.kind = static_cast<triangle::RelationKind>(input->choices[0] % 4);
    relation.left = relatable[input->choices[1] % std::size(relatable)];
    relation.right = relatable[input->choices[2] % std::size(relatable)];
    relation.first = number.value();
    relation.second = triangle::TypedNumber{3.0, triangle::ExactNumber::integer(3), false};
    const triangle::GivenElement given{other, value.value().value, value.value().exact};
    for (int which = 0; which < 2; ++which) {
        const auto solved = triangle::SolveFacts(relation, given, which);
        if (!solved.ok())
            return 0;
        check(solved.value().count == 1 || solved.value().count == 2);
        for (int i = 0; i < triangle::MeasuredElementCount; ++i) {
            const double shown = triangle::ElementOf(solved.value().triangle, Element(i));
            check(shown > 0.0 && std::isfinite(shown));
            const std::string text = triangle::FormatFieldNumber(shown, region);
            const auto back = triangle::ReadFieldNumber(text, region);
            check(back.ok() && triangle::FormatFieldNumber(back.value(), region) == text);
        }
    }
    return 0;
}
