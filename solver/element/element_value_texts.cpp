#include "solver/element/element_value_texts.h"

#include "solver/exact/tie_rounding.h"
#include "solver/formula/steps.h"

#include <optional>

namespace triangle {

std::array<std::string, ElementCount> ElementNumberTexts(Element first, double firstValue,
                                                         Element second, double secondValue,
                                                         const TriangleDetails& triangle,
                                                         const NumberFormat& region)
{
    // The perimeter is the longest length; an area is as large as P²/4 at the most.
    const double length = triangle.P;
    std::optional<Steps> pair;
    std::optional<Steps> rest;
    auto exactOf = [&](Element element) {
        if (!rest) {
            pair.emplace(region);
            rest.emplace(region);
            SolveElementValues(first, firstValue, second, secondValue, &*pair, &*rest);
        }
        return rest->exactOf(ElementSymbol(element));
    };
    std::array<std::string, ElementCount> texts;
    for (int i = 0; i < ElementCount; ++i) {
        const auto element = static_cast<Element>(i);
        if (IsAngle(element))
            continue;
        // A trigonometric value is a ratio of two lengths, worked out from values near itself.
        const double scale = IsTrigonometric(element) ? 1.0
                             : element == Element::S  ? length * length / 4.0
                                                      : length;
        texts[static_cast<std::size_t>(i)] = FormatRoundedByHand(
            ElementOf(triangle, element), scale, [&] { return exactOf(element); }, region);
    }
    return texts;
}

} // namespace triangle
