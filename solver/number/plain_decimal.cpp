#include "solver/number/plain_decimal.h"

#include "solver/formula/small_vector.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace triangle {

namespace {

// Decimal exponent of the leading significant digit, clamped far beyond the range of a
// double, so that an out-of-range reading can be told overflow from underflow.
long magnitude(const PlainDecimal& number)
{
    constexpr long limit = 1'000'000;
    long exponent = 0;
    for (char ch : number.exponent)
        exponent = std::min(limit, exponent * 10 + (ch - '0'));
    if (number.exponentNegative)
        exponent = -exponent;

    const auto significant = number.whole.find_first_not_of('0');
    if (significant != std::string_view::npos)
        return static_cast<long>(number.whole.size() - significant) + exponent;
    const auto first = number.fraction.find_first_not_of('0');
    if (first == std::string_view::npos)
        return -limit; // all zeros
    return -static_cast<long>(first) + exponent;
}

} // namespace

Calculated<double> ValueOf(const PlainDecimal& number)
{
    // Only plain ASCII digits reach from_chars, so it never sees "inf", "nan" or a
    // hexadecimal form, and it rounds to the nearest double whatever the process locale.
    SmallText plain;
    if (number.whole.empty())
        plain.push_back('0');
    append(plain, number.whole);
    if (!number.fraction.empty()) {
        plain.push_back('.');
        append(plain, number.fraction);
    }
    if (!number.exponent.empty()) {
        append(plain, number.exponentNegative ? "e-" : "e");
        append(plain, number.exponent);
    }

    double value = 0.0;
    const std::string_view text = viewOf(plain);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude(number) > 0)
            return CalculationFault::Overflow;
        value = 0.0; // too small for a double: the nearest double is zero
    }
    if (std::isinf(value))
        return CalculationFault::Overflow;
    return number.negative ? -value : value;
}

} // namespace triangle
