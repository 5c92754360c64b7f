#include "window/main_form/row_details.h"

#include "solver/exact/exact_text.h"
#include "solver/exact/tie_rounding.h"
#include "solver/formula/steps.h"
#include "solver/variant/triangle_details.h"
#include "window/elements/given_text.h"
#include "window/solution/trigonometric_lines.h"
#include "window/text/angle_text.h"
#include "window/text/ui_texts.h"

#include <string_view>

namespace triangle {

namespace {

struct Line {
    const char* name;
    Element element;
    double value;
};

// The whole triangle's quantities in the order the tooltip and the page list them, each
// written by `write` from its element, its value, and the scale NearThousandthTie needs:
// the perimeter for lengths, P²/4 for the area, none for an angle, whose exact value is a
// special angle or none.
template <typename Write> std::string detailsText(const TriangleDetails& details, Write&& write)
{
    const Line lines[] = {
        {texts::DetailLegA, Element::a, details.a},
        {texts::DetailLegB, Element::b, details.b},
        {texts::DetailHypotenuse, Element::c, details.c},
        {texts::DetailPerimeter, Element::P, details.P},
        {texts::DetailArea, Element::S, details.S},
        {texts::DetailAlpha, Element::alpha, details.alpha},
        {texts::DetailBeta, Element::beta, details.beta},
        {texts::DetailHeight, Element::h, details.h},
        {texts::DetailInscribed, Element::r, details.r},
        {texts::DetailCircumscribed, Element::R, details.R},
    };
    std::string text = texts::DetailsHeading;
    for (const Line& line : lines) {
        const double scale = IsAngle(line.element)        ? 0.0
                             : line.element == Element::S ? details.P * details.P / 4.0
                                                          : details.P;
        text += '\n';
        text += line.name;
        text += write(line.element, line.value, scale);
    }
    return text;
}

} // namespace

std::string RowDetailsText(const TriangleDetails& details, const NumberFormat& region,
                           const Steps* exact)
{
    return detailsText(details, [&](Element element, double value, double scale) {
        const std::string unit = IsAngle(element) ? texts::Degree : "";
        if (!exact)
            return " = " + FormatFieldNumber(value, region) + unit;
        const ExactNumber known = exact->exactOf(ElementSymbol(element));
        const auto written = WriteExact(known, region);
        std::string text = " = ";
        if (written && !FitsThreeDecimals(known))
            text += *written + unit + " ≈ ";
        return text +
               FormatRoundedByHand(
                   value, scale, [&] { return known; }, region) +
               unit;
    });
}

std::string ElementsDetailsText(const TriangleDetails& details, const ExactElements& exact,
                                const NumberFormat& region)
{
    return detailsText(details, [&](Element element, double value, double scale) {
        const ExactNumber& known = exact[static_cast<std::size_t>(element)];
        // An angle known exactly as the drawing names it, "= 65°", "= 36°52′".
        if (IsAngle(element) && known.exists())
            return NamedExactAngle("", value);
        const std::string decimal = FormatRoundedByHand(
            value, scale, [&] { return known; }, region);
        return " = " + ComputedFieldText(element, value, decimal, known, region);
    });
}

std::string RowTipText(const TriangleDetails& details, const NumberFormat& region,
                       const Steps& exact)
{
    // The main window shows three decimals: the trigonometric values too.
    return RowDetailsText(details, region, &exact) + '\n' +
           TrigonometricLines(details, region, &exact, false);
}

Steps ExactValuesOfRow(std::int16_t k, double first, double second, const NumberFormat& region)
{
    Steps variant(region);
    Steps rest(region);
    const Solution solved = SolveValues(k, first, second, &variant);
    rest.continueFrom(variant);
    if (solved.ok())
        DetailsOf(solved.value(), &rest);
    return rest;
}

} // namespace triangle
