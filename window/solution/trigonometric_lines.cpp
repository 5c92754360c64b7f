#include "window/solution/trigonometric_lines.h"

#include "solver/element/element_solver.h"
#include "solver/exact/exact_text.h"
#include "solver/exact/tie_rounding.h"
#include "solver/formula/steps.h"

#include <optional>

namespace triangle {

namespace {

// The exact value of a trigonometric value: the steps' own, or the ratio of the two sides
// it is (sin α = a / c); none without steps.
ExactNumber exactOf(Element element, const Steps* steps)
{
    if (!steps)
        return {};
    const ExactNumber noted = steps->exactOf(ElementSymbol(element));
    if (noted.exists())
        return noted;
    const ExactNumber a = steps->exactOf("a");
    const ExactNumber b = steps->exactOf("b");
    const ExactNumber c = steps->exactOf("c");
    switch (element) {
    case Element::sinAlpha:
    case Element::cosBeta:
        return a / c;
    case Element::cosAlpha:
    case Element::sinBeta:
        return b / c;
    case Element::tgAlpha:
    case Element::cotgBeta:
        return a / b;
    default: // cotg α, tg β
        return b / a;
    }
}

std::string lineOf(const Element (&elements)[4], const TriangleDetails& triangle,
                   const NumberFormat& region, const Steps* steps, bool exactForms)
{
    std::string line;
    for (Element element : elements) {
        const ExactNumber exact = exactOf(element, steps);
        std::optional<std::string> written;
        if (exactForms)
            written = WriteExact(exact, region, RationalForm::Fraction);
        if (!written) {
            // A ratio of two lengths, worked out from values near itself.
            written = FormatRoundedByHand(
                ElementOf(triangle, element), 1.0, [&] { return exact; }, region);
        }
        if (!line.empty())
            line += ", ";
        line += std::string(ElementSymbol(element)) + " = " + *written;
    }
    return line;
}

} // namespace

std::string TrigonometricLines(const TriangleDetails& triangle, const NumberFormat& region,
                               const Steps* exact, bool exactForms)
{
    using E = Element;
    constexpr Element alpha[4] = {E::sinAlpha, E::cosAlpha, E::tgAlpha, E::cotgAlpha};
    constexpr Element beta[4] = {E::sinBeta, E::cosBeta, E::tgBeta, E::cotgBeta};
    return lineOf(alpha, triangle, region, exact, exactForms) + '\n' +
           lineOf(beta, triangle, region, exact, exactForms);
}

} // namespace triangle
