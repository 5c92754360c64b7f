#include "solver/number/field_number.h"

#include "solver/formula/small_vector.h"
#include "solver/number/digit_groups.h"
#include "solver/number/plain_decimal.h"

#include <charconv>
#include <system_error>

namespace triangle {

namespace {

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
        while (n < m_rest.size() && IsDigit(m_rest[n]))
            ++n;
        std::string_view run = m_rest.substr(0, n);
        m_rest.remove_prefix(n);
        return run;
    }

private:
    std::string_view m_rest;
};

using DigitRuns = SmallVector<std::string_view, 16>;

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
                          GroupSize(region.groupSizes, 0) > 0;
    while (grouping) {
        TextCursor probe(cursor.rest());
        if (!probe.take(separator) || probe.rest().empty() || !IsDigit(probe.rest()[0]))
            break;
        runs.push_back(probe.digits());
        cursor.moveTo(probe.rest());
    }

    const std::span<const std::string_view> all(runs.data(), runs.size());
    const std::size_t firstOdd = FirstOddGroup(all, region.groupSizes);

    std::size_t count = runs.size();
    const bool periodGroups = separator == ".";
    while (count > 1) {
        const bool endsAtDecimal = after(runs[count - 1]).starts_with(region.decimalSeparator);
        if (GroupedAs(all.first(count), region.groupSizes, firstOdd) &&
            (!periodGroups || endsAtDecimal))
            break;
        --count;
    }
    cursor.moveTo(after(runs[count - 1]));
    for (std::size_t j = 0; j < count; ++j)
        append(digits, runs[j]);
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
        digitCount += IsDigit(ch) ? 1 : 0;
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

    PlainDecimal number;
    const bool parenthesised = region.negativeForm == NegativeForm::Parentheses && cursor.take("(");
    if (!cursor.take("+"))
        number.negative = cursor.take("-") || cursor.take(region.negativeSign);

    SmallText whole;
    integerDigits(cursor, region, whole);
    number.whole = viewOf(whole);
    if (cursor.take(".") || cursor.take(region.decimalSeparator))
        number.fraction = cursor.digits();
    if (number.whole.empty() && number.fraction.empty())
        return 0.0;

    const std::string_view beforeExponent = cursor.rest();
    if (cursor.take("e") || cursor.take("E")) {
        if (!cursor.take("+"))
            number.exponentNegative = cursor.take("-");
        number.exponent = cursor.digits();
        if (number.exponent.empty())
            cursor.moveTo(beforeExponent);
    }

    const bool trailingSign = region.negativeForm == NegativeForm::TrailingMinus ||
                              region.negativeForm == NegativeForm::TrailingMinusSpace;
    if (trailingSign && (cursor.take("-") || cursor.take(region.negativeSign)))
        number.negative = true;
    if (parenthesised && cursor.take(")"))
        number.negative = true;
    return ValueOf(number);
}

} // namespace triangle
