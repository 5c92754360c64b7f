#include "window/text/angle_text.h"

#include "solver/exact/special_angles.h"
#include "solver/number/field_number.h"
#include "window/text/ui_texts.h"

#include <cmath>

namespace triangle {

namespace {

// Far below a minute, far above the error of asin or atan on a special angle's ratio.
constexpr double specialTolerance = 1e-10;

std::string plainDegrees(double degrees)
{
    return std::to_string(std::llround(degrees)) + texts::Degree;
}

} // namespace

DegreesMinutes RoundedToMinute(double degrees)
{
    const auto minutes = static_cast<long long>(std::floor(degrees * 60.0 + 0.5));
    return {minutes / 60, static_cast<int>(minutes % 60)};
}

std::string WriteDegreesMinutes(double degrees)
{
    const DegreesMinutes rounded = RoundedToMinute(degrees);
    return std::to_string(rounded.degrees) + texts::Degree + std::to_string(rounded.minutes) +
           texts::Minute;
}

bool IsSpecialAngle(double degrees)
{
    const double whole = std::round(degrees);
    if (!(whole > 0.0 && whole < 90.0) || !(std::abs(degrees - whole) <= specialTolerance))
        return false;
    return ExactSine(ExactNumber::fromDouble(whole)).exists();
}

std::string AngleFieldText(double degrees, const NumberFormat& region)
{
    if (IsSpecialAngle(degrees))
        return plainDegrees(degrees);
    if (!(degrees >= 0.0 && degrees < 1e9))
        return FormatFieldNumber(degrees, region) + texts::Degree;
    return WriteDegreesMinutes(degrees) + " (" + FormatFieldNumber(degrees, region) +
           texts::Degree + ")";
}

std::string NamedAngle(std::string_view name, double degrees)
{
    if (IsSpecialAngle(degrees))
        return std::string(name) + " = " + plainDegrees(degrees);
    return std::string(name) + " ≈ " + WriteDegreesMinutes(degrees);
}

std::string NamedExactAngle(std::string_view name, double degrees)
{
    const double minutes = degrees * 60.0;
    if (!(degrees > 0.0 && degrees < 1e9) ||
        !(std::abs(minutes - std::round(minutes)) <= specialTolerance * minutes))
        return NamedAngle(name, degrees);
    const DegreesMinutes whole = RoundedToMinute(degrees);
    if (whole.minutes == 0)
        return std::string(name) + " = " + plainDegrees(degrees);
    return std::string(name) + " = " + WriteDegreesMinutes(degrees);
}

} // namespace triangle
