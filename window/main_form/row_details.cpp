#include "window/main_form/row_details.h"

#include "solver/exact/exact_text.h"
#include "solver/exact/tie_rounding.h"
#include "solver/formula/steps.h"
#include "solver/variant/triangle_details.h"
#include "window/solution/trigonometric_lines.h"
#include "window/text/ui_texts.h"

#include <string_view>

namespace triangle {

std::string RowDetailsText(const TriangleDetails& details, const NumberFormat& region,
                           const Steps* exact)
{
    struct Line {
        const char* name;
        const char* symbol;
        double value;
        const char* unit;
    };
    const Line lines[] = {
        {texts::DetailLegA, "a", details.a, ""},
        {texts::DetailLegB, "b", details.b, ""},
        {texts::DetailHypotenuse, "c", details.c, ""},
        {texts::DetailPerimeter, "P", details.P, ""},
        {texts::DetailArea, "S", details.S, ""},
        {texts::DetailAlpha, "α", details.alpha, texts::Degree},
        {texts::DetailBeta, "β", details.beta, texts::Degree},
        {texts::DetailHeight, "h", details.h, ""},
        {texts::DetailInscribed, "r", details.r, ""},
        {texts::DetailCircumscribed, "R", details.R, ""},
    };
    // The scale NearThousandthTie needs: the perimeter for lengths, P²/4 for the area; an
    // angle's exact value is a special angle or none.
    const double length = details.P;
    auto scaleOf = [&](const Line& line) {
        if (*line.unit != '\0')
            return 0.0;
        return line.symbol == std::string_view("S") ? length * length / 4.0 : length;
    };
    std::string text = texts::DetailsHeading;
    for (const Line& line : lines) {
        text += '\n';
        text += line.name;
        text += " = ";
        if (exact) {
            const ExactNumber value = exact->exactOf(line.symbol);
            const auto written = WriteExact(value, region);
            if (written && !FitsThreeDecimals(value))
                text += *written + line.unit + " ≈ ";
            text += FormatRoundedByHand(
                line.value, scaleOf(line), [&] { return value; }, region);
        } else {
            text += FormatFieldNumber(line.value, region);
        }
        text += line.unit;
    }
    return text;
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
