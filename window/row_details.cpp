#include "window/row_details.h"

#include "solver/triangle_details.h"
#include "window/ui_texts.h"

namespace triangle {

std::string RowDetailsText(const TriangleDetails& details, const NumberFormat& region)
{
    struct Line {
        const char* name;
        double value;
        const char* unit;
    };
    const Line lines[] = {
        {texts::DetailLegA, details.a, ""},
        {texts::DetailLegB, details.b, ""},
        {texts::DetailHypotenuse, details.c, ""},
        {texts::DetailPerimeter, details.P, ""},
        {texts::DetailArea, details.S, ""},
        {texts::DetailAlpha, details.alpha, texts::Degree},
        {texts::DetailBeta, details.beta, texts::Degree},
        {texts::DetailHeight, details.h, ""},
        {texts::DetailInscribed, details.r, ""},
        {texts::DetailCircumscribed, details.R, ""},
    };
    std::string text = texts::DetailsHeading;
    for (const Line& line : lines) {
        text += '\n';
        text += line.name;
        text += " = ";
        text += FormatFieldNumber(line.value, region);
        text += line.unit;
    }
    return text;
}

} // namespace triangle
