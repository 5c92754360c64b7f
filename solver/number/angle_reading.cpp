#include "solver/element/element_solver.h"

#include <cmath>

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

} // namespace

Calculated<double, FieldTextProblem> ReadAngleStrictly(std::string_view text,
                                                       const NumberFormat& region)
{
    const std::string_view angle = trimmedBlanks(text);
    const std::size_t degreeAt = angle.find(degreeSign);
    if (degreeAt == std::string_view::npos)
        return ReadFieldNumberStrictly(text, region);

    const auto degrees = ReadFieldNumberStrictly(angle.substr(0, degreeAt), region);
    if (!degrees.ok())
        return degrees.fault() == FieldTextProblem::Empty ? FieldTextProblem::NoNumber
                                                          : degrees.fault();
    std::string_view minutes = trimmedBlanks(angle.substr(degreeAt + degreeSign.size()));
    if (minutes.empty())
        return degrees;

    // Whole degrees and minutes below 60, as a protractor's reading is written.
    bool marked = false;
    for (std::string_view sign : minuteSigns) {
        if (minutes.ends_with(sign)) {
            minutes.remove_suffix(sign.size());
            marked = true;
            break;
        }
    }
    const auto count = ReadFieldNumberStrictly(minutes, region);
    if (!marked || !count.ok() || count.value() < 0.0 || !(count.value() < 60.0) ||
        degrees.value() != std::floor(degrees.value()) || degrees.value() < 0.0)
        return FieldTextProblem::NotOneNumber;
    return degrees.value() + count.value() / 60.0;
}

} // namespace triangle
