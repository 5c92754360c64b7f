#include "solver/relation/relation.h"

#include "solver/exact/exact_text.h"

#include <charconv>
#include <optional>
#include <string>

namespace triangle {

namespace {

// The shortest decimal that reads back as the same double, with the region's separator and
// no groups: the form of a number typed with three or more decimals, or in minutes.
std::string shortestDecimal(double value, const NumberFormat& region)
{
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    std::string text(digits, written.ptr);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, region.decimalSeparator);
    return text;
}

bool onlyDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "c = 2a", "b = a√3", "b = 2a√3", and any other factor before a dot: "c = 2,5·a",
// "c = 5/2·a", "c = (1 + √3)·a".
std::string multipleText(const Relation& relation, const NumberFormat& region)
{
    const std::string left = ElementSymbol(relation.left);
    const std::string right = ElementSymbol(relation.right);
    const TypedNumber& factor = relation.first;
    if (ExactlyEquals(factor.exact, ExactNumber::integer(1)))
        return left + " = " + right;
    const std::string text = WriteTypedNumber(factor, region);
    if (onlyDigits(text))
        return left + " = " + text + right;
    const ExactNumber& exact = factor.exact;
    const std::size_t root = text.find("√");
    if (exact.exists() && exact.terms().size() == 1 && exact.terms()[0].radicand > 1 &&
        exact.terms()[0].coefficient.isInteger() && root != std::string::npos &&
        (root == 0 || onlyDigits(text.substr(0, root))))
        return left + " = " + text.substr(0, root) + right + text.substr(root);
    if (exact.isSum())
        return left + " = (" + text + ")·" + right;
    return left + " = " + text + "·" + right;
}

} // namespace

std::string WriteTypedNumber(const TypedNumber& number, const NumberFormat& region)
{
    if (number.exact.exists())
        if (const std::optional<std::string> text = WriteExact(
                number.exact, region, number.form ? RationalForm::Fraction : RationalForm::Decimal))
            return *text;
    return shortestDecimal(number.value, region);
}

std::string WriteRelation(const Relation& relation, const NumberFormat& region)
{
    const std::string left = ElementSymbol(relation.left);
    const std::string right = ElementSymbol(relation.right);
    // A sum or a difference of the angles is an angle, in degrees.
    const std::string unit = IsAngle(relation.left) ? "°" : "";
    switch (relation.kind) {
    case RelationKind::Ratio:
        return left + " : " + right + " = " + WriteTypedNumber(relation.first, region) + " : " +
               WriteTypedNumber(relation.second, region);
    case RelationKind::Sum:
        return left + " + " + right + " = " + WriteTypedNumber(relation.first, region) + unit;
    case RelationKind::Difference:
        return left + " − " + right + " = " + WriteTypedNumber(relation.first, region) + unit;
    case RelationKind::Multiple:
        return multipleText(relation, region);
    }
    return {};
}

} // namespace triangle
