#include "window/elements/given_text.h"

#include "solver/exact/exact_text.h"
#include "solver/number/digit_groups.h"
#include "solver/number/field_number.h"
#include "window/text/angle_text.h"
#include "window/text/ui_texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace triangle {

int TypedDecimals(std::string_view typed, const NumberFormat& region)
{
    std::size_t exponent = typed.find_first_of("eE");
    const std::string_view mantissa = typed.substr(0, exponent);
    std::size_t separator = mantissa.rfind(region.decimalSeparator);
    std::size_t skip = region.decimalSeparator.size();
    // The period is a decimal separator in every region where it does not group digits.
    if (separator == std::string_view::npos && region.groupSeparator != ".") {
        separator = mantissa.rfind('.');
        skip = 1;
    }
    int decimals = 0;
    if (separator != std::string_view::npos)
        for (std::size_t i = separator + skip; i < mantissa.size() && IsDigit(mantissa[i]); ++i)
            ++decimals;
    if (exponent != std::string_view::npos) {
        int shift = 0;
        std::string_view digits = typed.substr(exponent + 1);
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        std::from_chars(digits.data(), digits.data() + digits.size(), shift);
        decimals = std::max(0, decimals - std::clamp(shift, -400, 400));
    }
    return decimals;
}

std::string GivenFieldText(std::string_view typed, double value, bool angle,
                           const NumberFormat& region)
{
    const std::string_view minutes[] = {"′", "'"};
    if (angle && std::any_of(std::begin(minutes), std::end(minutes), [typed](std::string_view m) {
            return typed.find(m) != std::string_view::npos;
        }))
        return std::string(typed);
    const std::string unit = angle ? texts::Degree : "";
    const int decimals = std::min(TypedDecimals(typed, region), 17);
    if (decimals <= 3 || !(std::abs(value) < 1e15))
        return FormatFieldNumber(value, region) + unit;
    // The region's grouping and sign from the whole part as the program writes it, then the
    // typed decimals' worth of the value's own digits.
    char fixed[64];
    const auto written = std::to_chars(fixed, fixed + sizeof fixed, std::abs(value),
                                       std::chars_format::fixed, decimals);
    const std::string_view digits(fixed, static_cast<std::size_t>(written.ptr - fixed));
    const std::size_t point = digits.find('.');
    double wholePart = 0.0;
    std::from_chars(digits.data(), digits.data() + point, wholePart);
    std::string text = FormatFieldNumber(value < 0 ? -wholePart : wholePart, region);
    const std::string threeDecimals = region.decimalSeparator + "000";
    const std::size_t end = text.rfind(threeDecimals);
    if (end != std::string::npos)
        text.erase(end, threeDecimals.size());
    text.insert(end == std::string::npos ? text.size() : end,
                region.decimalSeparator + std::string(digits.substr(point + 1)));
    return text + unit;
}

namespace {

// Whether an exact text reads back as itself: not a whole number grouped by a separator that
// could be a decimal one ("1.236" where the period groups digits), which a decimal with its
// three decimals writes unmistakably ("1.236,000").
bool readsBack(const std::string& written, const NumberFormat& region)
{
    return region.groupSeparator.empty() ||
           written.find(region.groupSeparator) == std::string::npos ||
           written.find(region.decimalSeparator) != std::string::npos ||
           (region.groupSeparator != "." && region.groupSeparator != ",");
}

} // namespace

std::string GivenFieldText(std::string_view typed, const TypedNumber& value, Element element,
                           const NumberFormat& region)
{
    const bool angle = IsAngle(element);
    const auto written = WriteExact(value.exact, region,
                                    value.form ? RationalForm::Fraction : RationalForm::Decimal);
    if (written && !(angle && value.form))
        return *written + (angle ? texts::Degree : "");
    return GivenFieldText(typed, value.value, angle, region);
}

std::string ComputedFieldText(Element element, double value, const std::string& decimal,
                              const ExactNumber& exact, const NumberFormat& region)
{
    if (IsAngle(element))
        return AngleFieldText(value, region);
    const std::optional<std::string> written = WriteExact(exact, region);
    if (!written || !readsBack(*written, region))
        return decimal;
    if (FitsThreeDecimals(exact))
        return *written;
    return *written + " ≈ " + decimal;
}

} // namespace triangle
