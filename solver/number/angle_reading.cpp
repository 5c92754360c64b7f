#include "solver/element/element_solver.h"

#include <cmath>
#include <optional>

namespace triangle {

namespace {

constexpr std::string_view degreeSign = "°";
constexpr std::string_view minuteSigns[] = {"′", "'"};

std::string_view trimmedBlanks(std::string_view text)
{
    constexpr std::string_view blanks = " \t\n\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Takes the minute sign off the end; false where there is none.
bool removeMinuteSign(std::string_view& text)
{
    for (std::string_view sign : minuteSigns) {
        if (text.ends_with(sign)) {
            text.remove_suffix(sign.size());
            return true;
        }
    }
    return false;
}

// Whole degrees and minutes below 60, as a protractor's reading is written.
Calculated<double, FieldTextProblem> degreesAndMinutes(std::string_view degreesText,
                                                       std::string_view minutes,
                                                       const NumberFormat& region)
{
    const auto degrees = ReadFieldNumberStrictly(degreesText, region);
    if (!degrees.ok())
        return degrees.fault() == FieldTextProblem::Empty ? FieldTextProblem::NoNumber
                                                          : degrees.fault();
    const auto count = ReadFieldNumberStrictly(minutes, region);
    if (!count.ok() || count.value() < 0.0 || !(count.value() < 60.0) ||
        degrees.value() != std::floor(degrees.value()) || degrees.value() < 0.0)
        return FieldTextProblem::NotOneNumber;
    return degrees.value() + count.value() / 60.0;
}

// An angle without the decimal the window writes beside it.
Calculated<double, FieldTextProblem> readAngle(std::string_view text, const NumberFormat& region)
{
    const std::string_view angle = trimmedBlanks(text);
    const std::size_t degreeAt = angle.find(degreeSign);
    if (degreeAt == std::string_view::npos) {
        std::string_view rest = angle;
        if (!removeMinuteSign(rest))
            return ReadFieldNumberStrictly(text, region);
        // "36 52′": the last blank parts the degrees from the minutes.
        rest = trimmedBlanks(rest);
        const std::size_t blank = rest.find_last_of(" \t");
        if (blank == std::string_view::npos)
            return FieldTextProblem::NotOneNumber;
        return degreesAndMinutes(rest.substr(0, blank), rest.substr(blank + 1), region);
    }

    std::string_view minutes = trimmedBlanks(angle.substr(degreeAt + degreeSign.size()));
    if (minutes.empty() || !removeMinuteSign(minutes)) {
        const auto degrees = ReadFieldNumberStrictly(angle.substr(0, degreeAt), region);
        if (!degrees.ok())
            return degrees.fault() == FieldTextProblem::Empty ? FieldTextProblem::NoNumber
                                                              : degrees.fault();
        if (!minutes.empty())
            return FieldTextProblem::NotOneNumber;
        return degrees;
    }
    return degreesAndMinutes(angle.substr(0, degreeAt), minutes, region);
}

} // namespace

Calculated<double, FieldTextProblem> ReadAngleStrictly(std::string_view text,
                                                       const NumberFormat& region)
{
    const std::string_view angle = trimmedBlanks(text);
    if (!angle.ends_with(')'))
        return readAngle(text, region);

    // "16°16′ (16,260°)": degrees and minutes, then the decimal they were rounded from.
    const std::size_t open = angle.rfind('(');
    if (open == std::string_view::npos)
        return FieldTextProblem::NotOneNumber;
    std::string_view decimal = trimmedBlanks(angle.substr(open + 1, angle.size() - open - 2));
    std::string_view minutes = trimmedBlanks(angle.substr(0, open));
    if (!decimal.ends_with(degreeSign) || !removeMinuteSign(minutes))
        return FieldTextProblem::NotOneNumber;
    decimal.remove_suffix(degreeSign.size());
    const auto stated = ReadFieldNumberStrictly(decimal, region);
    const auto read = readAngle(angle.substr(0, open), region);
    if (!stated.ok() || !read.ok())
        return FieldTextProblem::NotOneNumber;
    // Half a minute, the rounding of the minutes, and half a thousandth, the decimal's.
    constexpr double slack = 0.5 / 60.0 + 0.0005 + 1e-9;
    if (!(std::abs(stated.value() - read.value()) <= slack))
        return FieldTextProblem::NotOneNumber;
    return read;
}

} // namespace triangle
