#include "solver/field_number.h"

#include "solver/decimal_reading.h"

#include <algorithm>
#include <cmath>

namespace triangle {

namespace {

// Number of group separators in a run of integer digits.
std::size_t separatorCount(std::size_t digits, const std::vector<int>& sizes)
{
    std::size_t separators = 0;
    for (std::size_t left = digits, n = 0; left > 0; ++n) {
        const int size = GroupSize(sizes, n);
        left -= size == 0 ? left : std::min<std::size_t>(left, static_cast<std::size_t>(size));
        separators += left > 0 ? 1 : 0;
    }
    return separators;
}

} // namespace

std::string FormatFieldNumber(FieldNumber value, const NumberFormat& region)
{
    if (!value || !std::isfinite(*value))
        return {};
    const DecimalReading rounded = RoundedForDisplay(*value);

    const bool wholeIsZero = rounded.exponent < 0 || rounded.isZero();
    const std::size_t wholeDigits =
        wholeIsZero ? (region.leadingZero ? 1 : 0) : static_cast<std::size_t>(rounded.exponent) + 1;
    const std::size_t separators = separatorCount(wholeDigits, region.groupSizes);

    std::string_view prefix;
    std::string_view suffix;
    std::string_view sign = region.negativeSign;
    if (rounded.negative) {
        switch (region.negativeForm) {
        case NegativeForm::LeadingMinus:
        case NegativeForm::LeadingMinusSpace:
            prefix = sign;
            break;
        case NegativeForm::TrailingMinus:
        case NegativeForm::TrailingMinusSpace:
            suffix = sign;
            break;
        case NegativeForm::Parentheses:
            prefix = "(";
            suffix = ")";
            break;
        }
    }
    const bool spaceBeforeNumber =
        rounded.negative && region.negativeForm == NegativeForm::LeadingMinusSpace;
    const bool spaceAfterNumber =
        rounded.negative && region.negativeForm == NegativeForm::TrailingMinusSpace;

    // The text is written straight into its one allocation, from the right.
    const std::size_t length = prefix.size() + (spaceBeforeNumber ? 1 : 0) + wholeDigits +
                               separators * region.groupSeparator.size() +
                               region.decimalSeparator.size() + 3 + (spaceAfterNumber ? 1 : 0) +
                               suffix.size();
    std::string text(length, ' ');
    char* out = text.data() + length;
    auto put = [&out](std::string_view piece) {
        out -= piece.size();
        std::copy(piece.begin(), piece.end(), out);
    };
    put(suffix);
    if (spaceAfterNumber)
        --out;
    for (int weight = -3; weight <= -1; ++weight)
        *--out = rounded.digitOf(weight);
    put(region.decimalSeparator);
    for (std::size_t written = 0, n = 0, inGroup = 0; written < wholeDigits; ++written) {
        const int size = GroupSize(region.groupSizes, n);
        if (size > 0 && inGroup == static_cast<std::size_t>(size)) {
            put(region.groupSeparator);
            inGroup = 0;
            ++n;
        }
        *--out = rounded.digitOf(static_cast<int>(written));
        ++inGroup;
    }
    if (spaceBeforeNumber)
        --out;
    put(prefix);
    return text;
}

} // namespace triangle
