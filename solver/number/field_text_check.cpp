#include "solver/number/field_text_check.h"

#include "solver/formula/small_vector.h"
#include "solver/number/digit_groups.h"
#include "solver/number/plain_decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string>

namespace triangle {

namespace {

constexpr std::string_view blanks = " \t\n"; // the blanks ReadFieldNumber skips
// At the end also the carriage return of a cell copied on Windows ("5\r\n"), which
// ReadFieldNumber ignores there like anything after the number.
constexpr std::string_view trailingBlanks = " \t\n\r";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(trailingBlanks);
    if (last == std::string_view::npos || last < first)
        return {};
    return text.substr(first, last - first + 1);
}

bool take(std::string_view& rest, std::string_view token)
{
    if (token.empty() || !rest.starts_with(token))
        return false;
    rest.remove_prefix(token.size());
    return true;
}

bool takeAtEnd(std::string_view& rest, std::string_view token)
{
    if (token.empty() || !rest.ends_with(token))
        return false;
    rest.remove_suffix(token.size());
    return true;
}

std::string_view digits(std::string_view& rest)
{
    std::size_t n = 0;
    while (n < rest.size() && IsDigit(rest[n]))
        ++n;
    const std::string_view run = rest.substr(0, n);
    rest.remove_prefix(n);
    return run;
}

using DigitRuns = SmallVector<std::string_view, 16>;

// Blanks group digits in threes in every region ("1 234 567"), made once at start.
const std::vector<int> groupsOfThree = {3};

// Runs of digits joined by a group separator, the leading one first, grouped as the sizes
// say.
bool groupedAs(const DigitRuns& runs, const std::vector<int>& sizes)
{
    return GroupedAs(std::span<const std::string_view>(runs.data(), runs.size()), sizes);
}

// One way of writing the number: its decimal separator and the separator of its digit
// groups (empty for none).
struct Form {
    std::string_view decimal;
    std::string_view group;
};

// Reads the unsigned number of `body` whole in one form, or nothing.
std::optional<Calculated<double, FieldTextProblem>>
readInForm(std::string_view body, Form form, bool negative, const NumberFormat& region)
{
    DigitRuns runs;
    runs.push_back(digits(body));
    while (!form.group.empty() && take(body, form.group)) {
        const std::string_view run = digits(body);
        if (run.empty())
            return std::nullopt;
        runs.push_back(run);
    }
    if (runs.size() > 1) {
        const bool regionGroups =
            form.group == region.groupSeparator && groupedAs(runs, region.groupSizes);
        const bool blankGroups = form.group == " " && (groupedAs(runs, region.groupSizes) ||
                                                       groupedAs(runs, groupsOfThree));
        if (!regionGroups && !blankGroups)
            return std::nullopt;
    }
    PlainDecimal number;
    number.negative = negative;
    const bool decimal = take(body, form.decimal);
    if (decimal)
        number.fraction = digits(body);
    // A period groups digits only in front of the region's decimal separator: "1.234" alone
    // is one and a quarter, as ReadFieldNumber reads it.
    if (runs.size() > 1 && form.group == "." && !decimal)
        return std::nullopt;
    if (body.starts_with('e') || body.starts_with('E')) {
        body.remove_prefix(1);
        if (!take(body, "+"))
            number.exponentNegative = take(body, "-");
        number.exponent = digits(body);
        if (number.exponent.empty())
            return std::nullopt;
    }
    if (!body.empty())
        return std::nullopt;

    SmallText whole;
    for (std::size_t j = 0; j < runs.size(); ++j)
        append(whole, runs[j]);
    number.whole = viewOf(whole);
    if (number.whole.empty() && number.fraction.empty())
        return std::nullopt;
    const Calculated<double> value = ValueOf(number);
    if (!value.ok())
        return FieldTextProblem::BeyondRange;
    return value.value();
}

// The whole text as one number in one of the accepted forms, or nothing.
std::optional<Calculated<double, FieldTextProblem>> readNumber(std::string_view text,
                                                               const NumberFormat& region)
{
    std::string_view body = trimmed(text);
    bool negative = false;
    if (region.negativeForm == NegativeForm::Parentheses && take(body, "(")) {
        if (!takeAtEnd(body, ")"))
            return std::nullopt;
        negative = true;
    } else if (take(body, "+")) {
    } else if (take(body, "-") || take(body, region.negativeSign)) {
        negative = true;
        if (region.negativeForm == NegativeForm::LeadingMinusSpace)
            take(body, " ");
    } else if (region.negativeForm == NegativeForm::TrailingMinus ||
               region.negativeForm == NegativeForm::TrailingMinusSpace) {
        negative = takeAtEnd(body, "-") || takeAtEnd(body, region.negativeSign);
        if (negative && region.negativeForm == NegativeForm::TrailingMinusSpace)
            takeAtEnd(body, " ");
    }

    const std::string_view decimals[] = {".", region.decimalSeparator};
    const std::string_view groups[] = {{}, region.groupSeparator, " "};
    for (std::string_view decimal : decimals) {
        if (decimal.empty())
            continue;
        for (std::string_view group : groups) {
            const bool usable =
                group.empty() || (group != decimal && group != region.decimalSeparator);
            if (!usable)
                continue;
            if (auto read = readInForm(body, {decimal, group}, negative, region))
                return read;
        }
    }
    return std::nullopt;
}

// The text with its one `separator` put as the region's decimal separator, when it holds
// exactly one.
std::optional<std::string> withRegionsDecimal(std::string_view text, char separator,
                                              const NumberFormat& region)
{
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos || text.find(separator, at + 1) != std::string_view::npos)
        return std::nullopt;
    std::string changed(text);
    changed.replace(at, 1, region.decimalSeparator);
    return changed;
}

// The text typed most, digits with at most one decimal mark between them and blanks only at
// its ends ("12.5", or "12,5" where the comma is the region's decimal separator), read
// straight with from_chars; anything else is left to the forms below. They would take such
// a text in their first form, with the period, or (a comma) in the first with the region's
// decimal separator once the period's three forms have failed on it, as the nearest double
// to the same digits. Only a negative sign that begins or ends with a digit, or a group
// separator that begins with the comma, could make them read it otherwise; such a text is
// left to them. Its length keeps the number far inside the range of a double.
std::optional<double> readPlainDecimal(std::string_view text, const NumberFormat& region)
{
    constexpr std::size_t longest = 32;
    const char* first = text.data();
    const char* end = first + text.size();
    while (first < end && (*first == ' ' || *first == '\t' || *first == '\n'))
        ++first;
    while (end > first && (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\n' || end[-1] == '\r'))
        --end;
    const std::string_view body(first, static_cast<std::size_t>(end - first));
    if (body.empty() || body.size() > longest || !IsDigit(body.front()) || !IsDigit(body.back()))
        return std::nullopt;

    std::size_t mark = 0; // none: the first character is a digit
    for (std::size_t i = 1; i + 1 < body.size(); ++i) {
        if (IsDigit(body[i]))
            continue;
        if (mark != 0 || (body[i] != '.' && body[i] != ','))
            return std::nullopt;
        mark = i;
    }
    const std::string_view sign = region.negativeSign;
    if (!sign.empty() && ((IsDigit(sign.front()) && body.starts_with(sign)) ||
                          (IsDigit(sign.back()) && body.ends_with(sign))))
        return std::nullopt;

    double value = 0.0;
    if (mark == 0 || body[mark] == '.') {
        std::from_chars(body.data(), body.data() + body.size(), value);
        return value;
    }
    const std::string_view decimal = region.decimalSeparator;
    const std::string_view group = region.groupSeparator;
    if (decimal.size() != 1 || decimal[0] != ',' ||
        (!group.empty() && group[0] == ',' && body.substr(mark).starts_with(group)))
        return std::nullopt;
    std::array<char, longest> plain;
    for (std::size_t i = 0; i < body.size(); ++i)
        plain[i] = body[i];
    plain[mark] = '.';
    std::from_chars(plain.data(), plain.data() + body.size(), value);
    return value;
}

// Every text as one number in one of the accepted forms, or why it is not one.
Calculated<double, FieldTextProblem> readInFull(std::string_view text, const NumberFormat& region)
{
    if (trimmed(text).empty())
        return FieldTextProblem::Empty;
    if (std::none_of(text.begin(), text.end(), IsDigit))
        return FieldTextProblem::NoNumber;
    if (auto read = readNumber(text, region))
        return *read;

    for (char separator : {',', '.'}) {
        if (region.decimalSeparator == std::string_view(&separator, 1))
            continue;
        const auto changed = withRegionsDecimal(text, separator, region);
        if (changed && readNumber(*changed, region))
            return FieldTextProblem::DecimalSeparator;
    }
    std::string joined;
    for (char ch : trimmed(text)) {
        if (blanks.find(ch) == std::string_view::npos)
            joined += ch;
    }
    if (joined.size() != trimmed(text).size() && readNumber(joined, region))
        return FieldTextProblem::BlankInside;
    return FieldTextProblem::NotOneNumber;
}

} // namespace

Calculated<double, FieldTextProblem> ReadFieldNumberStrictly(std::string_view text,
                                                             const NumberFormat& region)
{
    if (const auto plain = readPlainDecimal(text, region))
        return *plain;
    return readInFull(text, region);
}

Calculated<double, FieldTextProblem> ReadFieldNumberStrictlyInFull(std::string_view text,
                                                                   const NumberFormat& region)
{
    return readInFull(text, region);
}

} // namespace triangle
