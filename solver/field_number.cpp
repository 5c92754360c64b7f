#include "solver/field_number.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace triangle {

namespace {

// A sequence kept on the stack while it is short and moved to the heap only beyond that,
// so that an ordinary field text is read without allocating, while a text of any length
// is still read whole.
template <typename T, std::size_t InlineSize> class SmallVector {
public:
    std::size_t size() const { return m_size; }
    const T* data() const { return m_heap.empty() ? m_inline.data() : m_heap.data(); }
    const T& operator[](std::size_t i) const { return data()[i]; }

    void push_back(const T& value) { append(&value, 1); }
    void append(const T* values, std::size_t count)
    {
        if (m_heap.empty() && m_size + count <= InlineSize) {
            std::copy(values, values + count, m_inline.begin() + m_size);
        } else {
            if (m_heap.empty())
                m_heap.assign(m_inline.begin(), m_inline.begin() + m_size);
            m_heap.insert(m_heap.end(), values, values + count);
        }
        m_size += count;
    }

private:
    std::array<T, InlineSize> m_inline;
    std::vector<T> m_heap;
    std::size_t m_size = 0;
};

using SmallText = SmallVector<char, 96>;

std::string_view viewOf(const SmallText& text)
{
    return std::string_view(text.data(), text.size());
}

void append(SmallText& text, std::string_view piece)
{
    text.append(piece.data(), piece.size());
}

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

void removeBlanks(std::string_view text, SmallText& compact)
{
    while (!text.empty()) {
        const std::size_t blank = text.find_first_of(" \t\n");
        append(compact, text.substr(0, blank));
        if (blank == std::string_view::npos)
            break;
        text.remove_prefix(blank + 1);
    }
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
using DigitRuns = SmallVector<std::string_view, 16>;

bool properlyGrouped(const DigitRuns& runs, std::size_t count, const std::vector<int>& sizes,
                     std::size_t firstOdd)
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
void integerDigits(TextCursor& cursor, const NumberFormat& region, SmallText& digits)
{
    // Every run is a view into the same text, which ends where the cursor's rest ends.
    const char* const textEnd = cursor.rest().data() + cursor.rest().size();
    auto after = [textEnd](std::string_view run) {
        const char* runEnd = run.data() + run.size();
        return std::string_view(runEnd, static_cast<std::size_t>(textEnd - runEnd));
    };
    DigitRuns runs;
    runs.push_back(cursor.digits());
    const std::string_view separator = region.groupSeparator;
    const bool grouping = !runs[0].empty() && !separator.empty() &&
                          separator != region.decimalSeparator &&
                          groupSize(region.groupSizes, 0) > 0;
    while (grouping) {
        TextCursor probe(cursor.rest());
        if (!probe.take(separator) || probe.rest().empty() || !isDigit(probe.rest()[0]))
            break;
        runs.push_back(probe.digits());
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
        const bool endsAtDecimal = after(runs[count - 1]).starts_with(region.decimalSeparator);
        if (properlyGrouped(runs, count, region.groupSizes, firstOdd) &&
            (!periodGroups || endsAtDecimal))
            break;
        --count;
    }
    cursor.moveTo(after(runs[count - 1]));
    for (std::size_t j = 0; j < count; ++j)
        append(digits, runs[j]);
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

// The significant digits and the decimal exponent of a value, as to_chars writes it in
// scientific notation: "-1.23450000000000e+02" gives 123450000000000 and 2. Digit i stands
// for 10^(exponent - i).
struct DecimalReading {
    std::array<char, 18> digits; // room for a carry in front of 17 digits
    int count = 0;
    int exponent = 0;
    bool negative = false;
    bool beyondDouble = false; // read back as a number, it exceeds the largest double

    char digitOf(int weight) const
    {
        const int i = exponent - weight;
        return i >= 0 && i < count ? digits[static_cast<std::size_t>(i)] : '0';
    }
    bool isZero() const
    {
        return std::all_of(digits.begin(), digits.begin() + count, [](char d) { return d == '0'; });
    }
};

DecimalReading decimalReading(double value, int significantDigits)
{
    std::array<char, 32> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, significantDigits - 1);
    const char* p = buffer.data();
    DecimalReading reading;
    reading.negative = *p == '-';
    if (reading.negative)
        ++p;
    for (; *p != 'e'; ++p) {
        if (isDigit(*p))
            reading.digits[static_cast<std::size_t>(reading.count++)] = *p;
    }
    const bool exponentNegative = p[1] == '-'; // to_chars always writes the exponent's sign
    for (p += 2; p < written.ptr; ++p)
        reading.exponent = reading.exponent * 10 + (*p - '0');
    if (exponentNegative)
        reading.exponent = -reading.exponent;
    if (reading.exponent >= 308) {
        double back = 0.0;
        reading.beyondDouble =
            std::from_chars(buffer.data(), written.ptr, back).ec == std::errc::result_out_of_range;
    }
    return reading;
}

__extension__ typedef unsigned __int128 Wide; // GCC's and clang's 128-bit integer

constexpr std::array<std::uint64_t, 20> powersOfTen = {1ULL,
                                                       10ULL,
                                                       100ULL,
                                                       1000ULL,
                                                       10000ULL,
                                                       100000ULL,
                                                       1000000ULL,
                                                       10000000ULL,
                                                       100000000ULL,
                                                       1000000000ULL,
                                                       10000000000ULL,
                                                       100000000000ULL,
                                                       1000000000000ULL,
                                                       10000000000000ULL,
                                                       100000000000000ULL,
                                                       1000000000000000ULL,
                                                       10000000000000000ULL,
                                                       100000000000000000ULL,
                                                       1000000000000000000ULL,
                                                       10000000000000000000ULL};

// The same 15-digit reading as decimalReading(value, 15), worked out exactly in integers
// for the magnitudes a triangle's values have (10⁻⁵ to 10¹⁵), where to_chars with a
// precision is several times slower. With |value| = m·2^e, m < 2^53, the reading's digits
// are N = m·10^(14−E)·2^e rounded to the nearest integer, ties to even as to_chars rounds,
// E being the decimal exponent that puts N in [10¹⁴, 10¹⁵).
bool fastDecimalReading(double value, DecimalReading& reading)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-5 && magnitude < 1e15))
        return false;
    // A normal double: 52 stored bits of the mantissa below an implicit 1, and a biased
    // exponent, so that magnitude = mantissa / 2^shift with shift ≥ 4 in this range.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int biasedExponent = static_cast<int>(bits >> 52);
    const int shift = 1075 - biasedExponent;
    // log10(2) ≈ 78913 / 2^18: a first guess at the decimal exponent, at most one too small.
    int exponent = ((52 - shift) * 78913) >> 18;
    std::uint64_t digits = 0;
    for (int attempt = 0;; ++attempt) {
        const int scale = 14 - exponent;
        if (attempt == 3 || scale < 0 || scale >= static_cast<int>(powersOfTen.size()))
            return false;
        const Wide product = Wide(mantissa) * powersOfTen[static_cast<std::size_t>(scale)];
        Wide whole = product >> shift;
        const Wide rest = product - (whole << shift);
        const Wide half = Wide(1) << (shift - 1);
        if (rest > half || (rest == half && (whole & 1) != 0))
            ++whole;
        if (whole >= powersOfTen[15]) {
            ++exponent;
        } else if (whole < powersOfTen[14]) {
            --exponent;
        } else {
            digits = static_cast<std::uint64_t>(whole);
            break;
        }
    }
    reading.count = 15;
    reading.exponent = exponent;
    reading.negative = value < 0.0;
    // Two halves, so that most of the divisions are of 32-bit numbers.
    auto write = [&reading](std::uint32_t part, int first, int count) {
        for (int i = first + count - 1; i >= first; --i) {
            reading.digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + part % 10);
            part /= 10;
        }
    };
    write(static_cast<std::uint32_t>(digits / 100000000), 0, 7);
    write(static_cast<std::uint32_t>(digits % 100000000), 7, 8);
    return true;
}

// Rounds as a careful person would write the number down: the value is taken at its
// decimal reading to 15 significant digits, as a spreadsheet shows it (the double nearest
// 2.1245 lies just below the tie, but its reading is 2.12450000000000), and rounded half
// away from zero at the third decimal. The result keeps only the digits down to the third
// decimal.
DecimalReading roundForDisplay(double value)
{
    DecimalReading reading;
    if (!fastDecimalReading(value, reading))
        reading = decimalReading(value, 15);
    // Near the top of the range the 15-digit reading can lie beyond the largest double,
    // and its text would no longer read back; 17 digits always do.
    if (reading.beyondDouble)
        reading = decimalReading(value, 17);

    const int last = reading.exponent + 3; // the digit of the third decimal
    if (last + 1 < reading.count) {
        const bool up = last + 1 >= 0 && reading.digits[static_cast<std::size_t>(last + 1)] >= '5';
        reading.count = std::max(last + 1, 0);
        int i = reading.count - 1;
        while (up && i >= 0 && reading.digits[static_cast<std::size_t>(i)] == '9')
            reading.digits[static_cast<std::size_t>(i--)] = '0';
        if (up && i >= 0) {
            ++reading.digits[static_cast<std::size_t>(i)];
        } else if (up) {
            // Carried past the leading digit (999.9995, or 0.0005 with no digit kept).
            std::copy_backward(reading.digits.begin(), reading.digits.begin() + reading.count,
                               reading.digits.begin() + reading.count + 1);
            reading.digits[0] = '1';
            ++reading.count;
            ++reading.exponent;
        }
    }
    // A value that rounds to zero is written without a sign.
    if (reading.isZero())
        reading.negative = false;
    return reading;
}

// Number of group separators in a run of integer digits.
std::size_t separatorCount(std::size_t digits, const std::vector<int>& sizes)
{
    std::size_t separators = 0;
    for (std::size_t left = digits, n = 0; left > 0; ++n) {
        const int size = groupSize(sizes, n);
        left -= size == 0 ? left : std::min<std::size_t>(left, static_cast<std::size_t>(size));
        separators += left > 0 ? 1 : 0;
    }
    return separators;
}

} // namespace

Calculated<double> ReadFieldNumber(std::string_view text, const NumberFormat& region)
{
    // The usual text, digits with at most one period ("12.5"), reads the same in every
    // region: straight to from_chars. Anything else, or a number beyond a double, takes
    // the whole rule below.
    int digitCount = 0;
    int periods = 0;
    for (char ch : text) {
        digitCount += isDigit(ch) ? 1 : 0;
        periods += ch == '.' ? 1 : 0;
    }
    const bool plainDecimal = digitCount > 0 && periods <= 1 &&
                              static_cast<std::size_t>(digitCount + periods) == text.size();
    if (plainDecimal) {
        double value = 0.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc{} && end == text.data() + text.size())
            return value;
    }

    SmallText compact;
    removeBlanks(text, compact);
    TextCursor cursor(viewOf(compact));

    const bool parenthesised = region.negativeForm == NegativeForm::Parentheses && cursor.take("(");
    bool negative = false;
    if (!cursor.take("+"))
        negative = cursor.take("-") || cursor.take(region.negativeSign);

    // Only plain ASCII digits reach from_chars, so it never sees "inf", "nan" or a
    // hexadecimal form, and it rounds to the nearest double whatever the process locale.
    SmallText plain;
    integerDigits(cursor, region, plain);
    const std::size_t wholeSize = plain.size();
    std::string_view fraction;
    if (cursor.take(".") || cursor.take(region.decimalSeparator))
        fraction = cursor.digits();
    if (wholeSize == 0 && fraction.empty())
        return 0.0;
    if (wholeSize == 0)
        plain.push_back('0');
    if (!fraction.empty()) {
        plain.push_back('.');
        append(plain, fraction);
    }

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
    if (!exponentDigits.empty()) {
        append(plain, exponentNegative ? "e-" : "e");
        append(plain, exponentDigits);
    }

    const bool trailingSign = region.negativeForm == NegativeForm::TrailingMinus ||
                              region.negativeForm == NegativeForm::TrailingMinusSpace;
    if (trailingSign && (cursor.take("-") || cursor.take(region.negativeSign)))
        negative = true;
    if (parenthesised && cursor.take(")"))
        negative = true;

    double value = 0.0;
    const std::string_view number = viewOf(plain);
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude(number.substr(0, wholeSize), fraction, exponentNegative, exponentDigits) > 0)
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
    const DecimalReading rounded = roundForDisplay(*value);

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
        const int size = groupSize(region.groupSizes, n);
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
