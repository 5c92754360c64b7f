#include "window/main_form/row_details.h"

#include "solver/exact/exact_text.h"
#include "solver/formula/steps.h"
#include "solver/variant/triangle_details.h"
#include "window/text/ui_texts.h"

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
        }
        text += FormatFieldNumber(line.value, region);
        text += line.unit;
    }
    return text;
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
