#pragma once

// Three decimals rounded as by hand. A value is shown as its double rounded to thousandths
// (FormatFieldNumber); where its exact value lies on a half thousandth (0,1535), the double the
// formulas give lies a little to one side of it or the other, and its text would follow the
// formulas' rounding rather than the number. There the text is rounded half up from the exact
// value: 0,1535 is 0,154 whichever side its double lies. The doubles themselves never change.
//
// Working out an exact value costs far more than a calculation, so it is asked for only where
// the double lies near a half thousandth (NearThousandthTie), a few values in a million:
//
//     text = FormatRoundedByHand(r, P, [&] { return exactValueOfR(); }, region);

#include "solver/exact/exact_number.h"
#include "solver/number/field_number.h"

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

namespace triangle {

// Whether a positive value lies so near a half thousandth, k + ½ thousandths, that the
// rounding of the formulas could have put its double on the wrong side of it: within 2⁻⁴⁰ of
// the larger of the value and `scale`, the largest magnitude the value was worked out from.
// A difference such as (P − 2c)/2 is off by the rounding of P, many units in the last place
// of the small result: 20,307 and 10 give r = 0,1535 as 0,15349999999999930, 25 units in its
// last place below. Values from 10¹² up, and zero and negative ones, never count.
// Inline, and by a truncation rather than std::floor, which is a call without SSE4.1: it
// runs for every value shown.
inline bool NearThousandthTie(double value, double scale)
{
    if (!(value > 0.0 && value < 1e12))
        return false;
    const double scaled = value * 1000.0;
    const double half = static_cast<double>(static_cast<std::int64_t>(scaled)) + 0.5;
    const double distance = scaled > half ? scaled - half : half - scaled;
    const double reach = (scaled > scale * 1000.0 ? scaled : scale * 1000.0) * 0x1p-40;
    return distance <= reach;
}

// For a value NearThousandthTie found near k + ½ thousandths: k + 1 where its exact value
// lies on or above that half, k where below. Nothing where there is no exact value, where it
// cannot be compared, or where it lies outside the thousandth k to k + 1 (not this value's).
std::optional<std::int64_t> ThousandthsFromExact(double value, const ExactNumber& exact);

// The text FormatFieldNumber writes for a value of `thousandths` thousandths.
std::string FormatThousandths(std::int64_t thousandths, const NumberFormat& region);

// The value with three decimals in the region's format, a half thousandth rounded half up
// from the exact value that `exactOf()` works out, asked for only near such a half.
template <typename ExactOf>
requires std::same_as<std::invoke_result_t<ExactOf>, ExactNumber> std::string
FormatRoundedByHand(double value, double scale, ExactOf&& exactOf, const NumberFormat& region)
{
    if (NearThousandthTie(value, scale)) {
        if (const auto thousandths = ThousandthsFromExact(value, exactOf()))
            return FormatThousandths(*thousandths, region);
    }
    return FormatFieldNumber(value, region);
}

} // namespace triangle
