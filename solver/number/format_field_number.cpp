#include "solver/number/field_number.h"

#include "solver/number/decimal_reading.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

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

// What a negative number carries around its digits in the region's negative form.
struct Sign {
    std::string_view prefix;
    std::string_view suffix;
    bool spaceBefore = false; // a blank between the prefix and the digits
    bool spaceAfter = false;  // a blank between the digits and the suffix
};

Sign signOf(bool negative, const NumberFormat& region)
{
    Sign sign;
    if (!negative)
        return sign;
    switch (region.negativeForm) {
    case NegativeForm::LeadingMinus:
    case NegativeForm::LeadingMinusSpace:
        sign.prefix = region.negativeSign;
        break;
    case NegativeForm::TrailingMinus:
    case NegativeForm::TrailingMinusSpace:
        sign.suffix = region.negativeSign;
        break;
    case NegativeForm::Parentheses:
        sign.prefix = "(";
        sign.suffix = ")";
        break;
    }
    sign.spaceBefore = region.negativeForm == NegativeForm::LeadingMinusSpace;
    sign.spaceAfter = region.negativeForm == NegativeForm::TrailingMinusSpace;
    return sign;
}

// The digits of a value rounded to thousandths, the third decimal first, from the integer
// count of its thousandths.
class ThousandthsDigits {
public:
    explicit ThousandthsDigits(std::uint64_t thousandths) : m_rest(thousandths) {}
    char next()
    {
        const auto digit = static_cast<char>('0' + m_rest % 10);
        m_rest /= 10;
        return digit;
    }

private:
    std::uint64_t m_rest;
};

// The same from a rounded decimal reading, for values of any magnitude.
class ReadingDigits {
public:
    explicit ReadingDigits(const DecimalReading& reading) : m_reading(reading) {}
    char next() { return m_reading.digitOf(m_weight++); }

private:
    const DecimalReading& m_reading;
    int m_weight = -3;
};

// The text of a rounded value with `wholeDigits` digits before the decimal separator.
template <typename Digits>
std::string writeText(bool negative, std::size_t wholeDigits, Digits digits,
                      const NumberFormat& region)
{
    const Sign sign = signOf(negative, region);
    const int firstGroup = GroupSize(region.groupSizes, 0);
    const std::size_t separators =
        firstGroup > 0 && wholeDigits <= static_cast<std::size_t>(firstGroup)
            ? 0
            : separatorCount(wholeDigits, region.groupSizes);
    const std::size_t length = sign.prefix.size() + (sign.spaceBefore ? 1 : 0) + wholeDigits +
                               separators * region.groupSeparator.size() +
                               region.decimalSeparator.size() + 3 + (sign.spaceAfter ? 1 : 0) +
                               sign.suffix.size();
    // The text is written straight into its one allocation, from the right, as the digits
    // come.
    std::string text(length, ' ');
    char* out = text.data() + length;
    // Most separators are one byte, stored without a call to copy them.
    auto put = [&out](std::string_view piece) {
        if (piece.size() == 1) {
            *--out = piece[0];
            return;
        }
        out -= piece.size();
        std::copy(piece.begin(), piece.end(), out);
    };
    put(sign.suffix);
    if (sign.spaceAfter)
        --out;
    out -= 3;
    for (int i = 2; i >= 0; --i)
        out[i] = digits.next();
    put(region.decimalSeparator);
    std::size_t group = 0;
    int size = firstGroup;
    for (std::size_t written = 0, inGroup = 0; written < wholeDigits; ++written, ++inGroup) {
        if (size > 0 && inGroup == static_cast<std::size_t>(size)) {
            put(region.groupSeparator);
            inGroup = 0;
            size = GroupSize(region.groupSizes, ++group);
        }
        *--out = digits.next();
    }
    if (sign.spaceBefore)
        --out;
    put(sign.prefix);
    return text;
}

} // namespace

std::string FormatFieldNumber(FieldNumber value, const NumberFormat& region)
{
    if (!value || !std::isfinite(*value))
        return {};
    if (const auto thousandths = ThousandthsForDisplay(*value)) {
        std::size_t wholeDigits = *thousandths < 1000 ? (region.leadingZero ? 1 : 0) : 1;
        for (std::uint64_t tenfold = 10000; *thousandths >= tenfold && wholeDigits < 16;
             tenfold *= 10)
            ++wholeDigits;
        // A value that rounds to zero is written without a sign.
        const bool negative = *value < 0.0 && *thousandths != 0;
        return writeText(negative, wholeDigits, ThousandthsDigits(*thousandths), region);
    }
    const DecimalReading rounded = RoundedForDisplay(*value);
    const bool wholeIsZero = rounded.exponent < 0 || rounded.isZero();
    const std::size_t wholeDigits =
        wholeIsZero ? (region.leadingZero ? 1 : 0) : static_cast<std::size_t>(rounded.exponent) + 1;
    return writeText(rounded.negative, wholeDigits, ReadingDigits(rounded), region);
}

} // namespace triangle
