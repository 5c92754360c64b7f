#include "window/drawing/drawing_values.h"

#include "solver/exact/exact_text.h"
#include "solver/number/field_number.h"
#include "window/drawing/solution_drawing.h"
#include "window/text/angle_text.h"
#include "window/text/ui_texts.h"

#include <optional>
#include <string_view>

namespace triangle::drawing {

namespace {

std::string replaced(std::string text, std::string_view key, const std::string& value)
{
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at))
        text.replace(at, key.size(), value), at += value.size();
    return text;
}

} // namespace

std::string LengthText(Element element, double number, const NumberFormat& region,
                       const ExactElements* exact)
{
    if (exact) {
        const ExactNumber& known = (*exact)[static_cast<std::size_t>(element)];
        if (FitsThreeDecimals(known))
            if (const std::optional<std::string> written = WriteExact(known, region))
                return *written;
    }
    return FormatFieldNumber(number, region);
}

std::string NamedLength(const char* name, Element element, double number,
                        const NumberFormat& region, const ExactElements* exact)
{
    return std::string(name) + " = " + LengthText(element, number, region, exact);
}

std::string NamedDegrees(const char* name, double degrees, const NumberFormat& region)
{
    return std::string(name) + " = " + FormatFieldNumber(degrees, region) + texts::Degree;
}

std::string NamedAngleLabel(const char* name, Element element, double degrees,
                            const ExactElements* exact)
{
    if (exact && (*exact)[static_cast<std::size_t>(element)].exists())
        return NamedExactAngle(name, degrees);
    return NamedAngle(name, degrees);
}

std::string DescribeProjections(const TriangleDetails& details, const NumberFormat& region,
                                const ExactElements* exact)
{
    std::string text = texts::ProjectionsDescription;
    text = replaced(text, "{a1}", LengthText(Element::a1, details.a1, region, exact));
    text = replaced(text, "{b1}", LengthText(Element::b1, details.b1, region, exact));
    return text;
}

std::string DescribeDrawing(const TriangleDetails& details, const NumberFormat& region,
                            const ExactElements* exact, bool angleMinutes)
{
    std::string text = texts::DrawingDescription;
    text = replaced(text, "{a}", LengthText(Element::a, details.a, region, exact));
    text = replaced(text, "{b}", LengthText(Element::b, details.b, region, exact));
    text = replaced(text, "{c}", LengthText(Element::c, details.c, region, exact));
    text = replaced(text, "{alpha}",
                    angleMinutes ? NamedAngleLabel("α", Element::alpha, details.alpha, exact)
                                 : NamedDegrees("α", details.alpha, region));
    text = replaced(text, "{beta}",
                    angleMinutes ? NamedAngleLabel("β", Element::beta, details.beta, exact)
                                 : NamedDegrees("β", details.beta, region));
    text = replaced(text, "{h}", LengthText(Element::h, details.h, region, exact));
    text = replaced(text, "{r}", LengthText(Element::r, details.r, region, exact));
    text = replaced(text, "{R}", LengthText(Element::R, details.R, region, exact));
    return text;
}

} // namespace triangle::drawing
