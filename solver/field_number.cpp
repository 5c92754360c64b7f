#include "solver/field_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace triangle {

namespace {

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

std::string withoutBlanks(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char ch : text) {
        if (ch != ' ' && ch != '\t' && ch != '\n')
            compact.push_back(ch);
    }
    return compact;
}

// Size of the n-th digit group counted from the decimal separator; 0 means "ungrouped".
int groupSize(const std::vector<int>& sizes, std::size_t n)
{
    if (sizes.empty())
        return 0;
    return std::max(0, sizes[std::min(n, sizes.size() - 1)]);
}

class TextCursor {
public:
    explicit TextCursor(std::string_view text) : m_rest(text) {}

    std::string_view rest() const { return m_rest; }
    void moveTo(std::string_view rest) { m_rest = rest; }

    bool take(std::string_view token)
    {
        if (token.empty() || !m_rest.starts_with(token))
            return false;
        m_rest.remove_prefix(token.size());
        return true;
    }

    std::string_view digits()
    {
        std::size_t n = 0;
        while (n < m_rest.size() && isDigit(m_rest[n]))
            ++n;
        std::string_view run = m_rest.substr(0, n);
        m_rest.remove_prefix(n);
        return run;
    }

private:
    std::string_view m_rest;
};

// True when the first `count` digit runs, joined by group separators, are written in the
// region's grouped form: every group its proper size, the leading one no longer than its
// size and not starting with a zero. Runs far from the decimal separator all take the
// repeating size; `firstOdd` is the first run after the leading one that does not, so
// that each count is checked in a few steps however long the text.
bool properlyGrouped(const std::vector<std::string_view>& runs, std::size_t count,
                     const std::vector<int>& sizes, std::size_t firstOdd)
{
    const std::size_t fixed = sizes.empty() ? 0 : sizes.size() - 1; // groups before it repeats
    const std::size_t lastRepeating = count - 1 > fixed ? count - 1 - fixed : 0;
    if (firstOdd <= lastRepeating)
        return false;
    for (std::size_t j = lastRepeating + 1; j < count; ++j) {
        const int size = groupSize(sizes, count - 1 - j);
        if (size == 0 || runs[j].size() != static_cast<std::size_t>(size))
            return false;
    }
    const int leading = groupSize(sizes, count - 1);
    const std::string_view first = runs[0];
    if (first.empty() || first[0] == '0')
        return false;
    return leading == 0 || first.size() <= static_cast<std::size_t>(leading);
}

// Reads the integer digits. The region's group separator counts only between proper
// digit groups; anywhere else it ends the number like any other character. A period used
// for grouping counts only when the grouped number goes on to the region's decimal
// separator, since otherwise it is a decimal point ("1.234,5" against "1.234").
std::string integerDigits(TextCursor& cursor, const NumberFormat& region)
{
    std::vector<std::string_view> runs{cursor.digits()};
    std::vector<std::string_view> after{cursor.rest()};
    const std::string_view separator = region.groupSeparator;
    const bool grouping = !runs[0].empty() && !separator.empty() &&
                          separator != region.decimalSeparator &&
                          groupSize(region.groupSizes, 0) > 0;
    while (grouping) {
        TextCursor probe(cursor.rest());
        if (!probe.take(separator) || probe.rest().empty() || !isDigit(probe.rest()[0]))
            break;
        runs.push_back(probe.digits());
        after.push_back(probe.rest());
        cursor.moveTo(probe.rest());
    }

    const int repeating = groupSize(region.groupSizes, region.groupSizes.size());
    std::size_t firstOdd = 1;
    while (firstOdd < runs.size() && repeating > 0 &&
           runs[firstOdd].size() == static_cast<std::size_t>(repeating))
        ++firstOdd;

    std::size_t count = runs.size();
    const bool periodGroups = separator == ".";
    while (count > 1) {
        const bool endsAtDecimal = after[count - 1].starts_with(region.decimalSeparator);
        if (properlyGrouped(runs, count, region.groupSizes, firstOdd) &&
            (!periodGroups || endsAtDecimal))
            break;
        --count;
    }
    cursor.moveTo(after[count - 1]);

    std::string digits;
    for (std::size_t j = 0; j < count; ++j)
        digits += runs[j];
    return digits;
}

// Decimal exponent of the leading significant digit, clamped far beyond the range of a
// double, so that an out-of-range reading can be told overflow from underflow.
long magnitude(std::string_view whole, std::string_view fraction, bool exponentNegative,
               std::string_view exponentDigits)
{
    constexpr long limit = 1'000'000;
    long exponent = 0;
    for (char ch : exponentDigits)
        exponent = std::min(limit, exponent * 10 + (ch - '0'));
    if (exponentNegative)
        exponent = -exponent;

    const auto significant = whole.find_first_not_of('0');
    if (significant != std::string_view::npos)
        return static_cast<long>(whole.size() - significant) + exponent;
    const auto first = fraction.find_first_not_of('0');
    if (first == std::string_view::npos)
        return -limit; // all zeros
    return -static_cast<long>(first) + exponent;
}

// A value rounded for display: its integer digits and three decimals, and its sign.
struct RoundedDigits {
    static constexpr std::size_t MaxWholeDigits = 310; // 309 of the largest double, a carry

    std::array<char, MaxWholeDigits> digits{}; // the integer digits end at `wholeEnd`
    std::size_t wholeBegin = 0;
    std::size_t wholeEnd = 0;
    char fraction[3] = {'0', '0', '0'};
    bool negative = false;

    std::string_view whole() const
    {
        return std::string_view(digits.data() + wholeBegin, wholeEnd - wholeBegin);
    }
};

// The significant digits and the decimal exponent of a value as to_chars writes it in
// scientific notation: "-1.23450000000000e+02" gives 123450000000000 and 2.
struct DecimalReading {
    std::array<char, 17> digits{};
    int count = 0;
    int exponent = 0;
    bool negative = false;
    bool beyondDouble = false; // the reading, as a number, exceeds the largest double
};

DecimalReading decimalReading(double value, int significantDigits)
{
    std::array<char, 40> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, significantDigits - 1);
    std::string_view text(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    DecimalReading reading;
    reading.negative = text.starts_with('-');
    if (reading.negative)
        text.remove_prefix(1);
    for (char ch : text.substr(0, text.find('e'))) {
        if (isDigit(ch))
            reading.digits[reading.count++] = ch;
    }
    std::string_view exponent = text.substr(text.find('e') + 1);
    const bool exponentNegative = exponent.starts_with('-');
    exponent.remove_prefix(1); // to_chars always writes the exponent's sign
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), reading.exponent);
    if (exponentNegative)
        reading.exponent = -reading.exponent;
    if (reading.exponent >= 308) {
        double back = 0.0;
        reading.beyondDouble = std::from_chars(text.data(), text.data() + text.size(), back).ec ==
                               std::errc::result_out_of_range;
    }
    return reading;
}

// Rounds as a careful person would write the number down: the value is taken at its
// decimal reading to 15 significant digits, as a spreadsheet shows it (the double nearest
// 2.1245 lies just below the tie, but its reading is 2.12450000000000), and rounded half
// away from zero at the third decimal.
RoundedDigits roundForDisplay(double value)
{
    DecimalReading reading = decimalReading(value, 15);
    // Near the top of the range the 15-digit reading can lie beyond the largest double,
    // and its text would no longer read back; 17 digits always do.
    if (reading.beyondDouble)
        reading = decimalReading(value, 17);
    // Digit i of the reading stands for 10^(exponent - i).
    auto digitOf = [&](int weight) {
        const int i = reading.exponent - weight;
        return i >= 0 && i < reading.count ? reading.digits[i] : '0';
    };

    RoundedDigits rounded;
    const int wholeCount = std::max(reading.exponent + 1, 1);
    rounded.wholeBegin = 1; // room for a carry
    rounded.wholeEnd = 1 + static_cast<std::size_t>(wholeCount);
    for (int q = 0; q < wholeCount; ++q)
        rounded.digits[1 + q] = digitOf(wholeCount - 1 - q);
    for (int j = 0; j < 3; ++j)
        rounded.fraction[j] = digitOf(-1 - j);

    if (digitOf(-4) >= '5') {
        bool carry = true;
        for (int j = 2; j >= 0 && carry; --j) {
            carry = rounded.fraction[j] == '9';
            rounded.fraction[j] = carry ? '0' : static_cast<char>(rounded.fraction[j] + 1);
        }
        for (std::size_t q = rounded.wholeEnd; q-- > 1 && carry;) {
            carry = rounded.digits[q] == '9';
            rounded.digits[q] = carry ? '0' : static_cast<char>(rounded.digits[q] + 1);
        }
        if (carry) {
            rounded.digits[0] = '1';
            rounded.wholeBegin = 0;
        }
    }
    // A value that rounds to zero is written without a sign.
    const bool zero = rounded.whole().find_first_not_of('0') == std::string_view::npos &&
                      std::string_view(rounded.fraction, 3) == "000";
    rounded.negative = reading.negative && !zero;
    return rounded;
}

} // namespace

Calculated<double> ReadFieldNumber(std::string_view text, const NumberFormat& region)
{
    const std::string compact = withoutBlanks(text);
    TextCursor cursor(compact);

    const bool parenthesised = region.negativeForm == NegativeForm::Parentheses && cursor.take("(");
    bool negative = false;
    if (!cursor.take("+"))
        negative = cursor.take("-") || cursor.take(region.negativeSign);

    const std::string whole = integerDigits(cursor, region);
    std::string_view fraction;
    if (cursor.take(".") || cursor.take(region.decimalSeparator))
        fraction = cursor.digits();
    if (whole.empty() && fraction.empty())
        return 0.0;

    bool exponentNegative = false;
    std::string_view exponentDigits;
    const std::string_view beforeExponent = cursor.rest();
    if (cursor.take("e") || cursor.take("E")) {
        if (!cursor.take("+"))
            exponentNegative = cursor.take("-");
        exponentDigits = cursor.digits();
        if (exponentDigits.empty())
            cursor.moveTo(beforeExponent);
    }

    const bool trailingSign = region.negativeForm == NegativeForm::TrailingMinus ||
                              region.negativeForm == NegativeForm::TrailingMinusSpace;
    if (trailingSign && (cursor.take("-") || cursor.take(region.negativeSign)))
        negative = true;
    if (parenthesised && cursor.take(")"))
        negative = true;

    // Only plain ASCII digits reach from_chars, so it never sees "inf", "nan" or a
    // hexadecimal form, and it rounds to the nearest double whatever the process locale.
    std::string plain = whole.empty() ? "0" : whole;
    if (!fraction.empty())
        plain.append(".").append(fraction);
    if (!exponentDigits.empty())
        plain.append(exponentNegative ? "e-" : "e").append(exponentDigits);

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude(whole, fraction, exponentNegative, exponentDigits) > 0)
            return CalculationFault::Overflow;
        value = 0.0; // too small for a double: the nearest double is zero
    }
    if (std::isinf(value))
        return CalculationFault::Overflow;
    return negative ? -value : value;
}

std::string FormatFieldNumber(FieldNumber value, const NumberFormat& region)
{
    if (!value || !std::isfinite(*value))
        return {};
    const RoundedDigits rounded = roundForDisplay(*value);
    std::string_view whole = rounded.whole();
    if (whole == "0" && !region.leadingZero)
        whole = {};

    // Where a group separator goes: before digit q when the digits right of it up to the
    // decimal separator make whole groups.
    std::array<bool, RoundedDigits::MaxWholeDigits + 1> separatorBefore{};
    std::size_t separators = 0;
    for (std::size_t left = whole.size(), n = 0; left > 0; ++n) {
        const int size = groupSize(region.groupSizes, n);
        const std::size_t take = size == 0 ? left : std::min<std::size_t>(left, size);
        left -= take;
        if (left > 0) {
            separatorBefore[left] = true;
            ++separators;
        }
    }

    const bool negative = rounded.negative;
    std::string text;
    text.reserve(whole.size() + separators * region.groupSeparator.size() +
                 region.decimalSeparator.size() + 3 +
                 (negative ? region.negativeSign.size() + 2 : 0));
    auto writeNumber = [&] {
        for (std::size_t q = 0; q < whole.size(); ++q) {
            if (separatorBefore[q])
                text += region.groupSeparator;
            text += whole[q];
        }
        text += region.decimalSeparator;
        text.append(rounded.fraction, 3);
    };
    if (!negative) {
        writeNumber();
        return text;
    }
    switch (region.negativeForm) {
    case NegativeForm::LeadingMinus:
        text += region.negativeSign;
        writeNumber();
        break;
    case NegativeForm::LeadingMinusSpace:
        text += region.negativeSign;
        text += ' ';
        writeNumber();
        break;
    case NegativeForm::TrailingMinus:
        writeNumber();
        text += region.negativeSign;
        break;
    case NegativeForm::TrailingMinusSpace:
        writeNumber();
        text += ' ';
        text += region.negativeSign;
        break;
    case NegativeForm::Parentheses:
        text += '(';
        writeNumber();
        text += ')';
        break;
    }
    return text;
}

} // namespace triangle
