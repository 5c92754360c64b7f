#include "solver/number/typed_number.h"

#include "solver/element/element_solver.h"

#include <cmath>
#include <optional>

namespace triangle {

namespace {

using Read = Calculated<TypedNumber, FieldTextProblem>;

constexpr std::string_view nearlyEqual = "≈";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A recursive descent over the forms a book writes a value in:
//
//     sum     = [sign] product {("+" | "-" | "−") product}
//     product = factor {("*" | "·" | "×" | "/" | nothing before a root or "(") factor}
//     factor  = number | ("√" | "sqrt") factor | "(" sum ")"
//
// worked out exactly as it is read. Numbers are decimals in the region; blanks between the
// parts are free.
class FormReader {
public:
    FormReader(std::string_view text, const NumberFormat& region) : m_text(text), m_region(region)
    {}

    std::optional<ExactNumber> read()
    {
        std::optional<ExactNumber> value = sum();
        skipBlanks();
        if (!value || m_at != m_text.size() || !value->exists())
            return std::nullopt;
        return value;
    }

private:
    std::optional<ExactNumber> sum()
    {
        bool negative = false;
        if (take("-") || take("−"))
            negative = true;
        std::optional<ExactNumber> value = product();
        if (!value)
            return std::nullopt;
        if (negative)
            value = -*value;
        for (;;) {
            const bool plus = take("+");
            if (!plus && !take("-") && !take("−"))
                return value;
            const std::optional<ExactNumber> next = product();
            if (!next)
                return std::nullopt;
            value = plus ? *value + *next : *value - *next;
        }
    }

    std::optional<ExactNumber> product()
    {
        std::optional<ExactNumber> value = factor();
        for (;;) {
            if (!value)
                return std::nullopt;
            if (take("/")) {
                const std::optional<ExactNumber> divisor = factor();
                if (!divisor)
                    return std::nullopt;
                value = *value / *divisor;
            } else if (take("*") || take("·") || take("×") || startsFactorWithoutNumber()) {
                const std::optional<ExactNumber> next = factor();
                if (!next)
                    return std::nullopt;
                value = *value * *next;
            } else {
                return value;
            }
        }
    }

    std::optional<ExactNumber> factor()
    {
        if (take("√") || take("sqrt")) {
            const std::optional<ExactNumber> radicand = factor();
            if (!radicand)
                return std::nullopt;
            return sqrt(*radicand);
        }
        if (take("(")) {
            const std::optional<ExactNumber> inner = sum();
            if (!inner || !take(")"))
                return std::nullopt;
            return inner;
        }
        return number();
    }

    // A decimal in the region: digits, separators, and blanks between digits, which the
    // strict reading takes as digit groups or refuses.
    std::optional<ExactNumber> number()
    {
        skipBlanks();
        const std::size_t start = m_at;
        std::size_t end = m_at;
        while (end < m_text.size()) {
            const std::string_view rest = m_text.substr(end);
            if (isDigit(rest[0]) || rest[0] == '.' || rest[0] == ',') {
                ++end;
            } else if (!m_region.decimalSeparator.empty() &&
                       rest.starts_with(m_region.decimalSeparator)) {
                end += m_region.decimalSeparator.size();
            } else if (!m_region.groupSeparator.empty() && !isBlank(m_region.groupSeparator[0]) &&
                       rest.starts_with(m_region.groupSeparator)) {
                end += m_region.groupSeparator.size();
            } else if (isBlank(rest[0]) && end > start && isDigit(m_text[end - 1])) {
                std::size_t next = end;
                while (next < m_text.size() && isBlank(m_text[next]))
                    ++next;
                if (next == m_text.size() || !isDigit(m_text[next]))
                    break;
                end = next;
            } else {
                break;
            }
        }
        if (end == start)
            return std::nullopt;
        const auto read = ReadFieldNumberStrictly(m_text.substr(start, end - start), m_region);
        if (!read.ok())
            return std::nullopt;
        m_at = end;
        return ExactNumber::fromDouble(read.value());
    }

    // A root or a bracket right after a number multiplies it: "2√3", "2sqrt(3)", "2(1 + √3)".
    bool startsFactorWithoutNumber()
    {
        skipBlanks();
        const std::string_view rest = m_text.substr(m_at);
        return rest.starts_with("√") || rest.starts_with("sqrt") || rest.starts_with("(");
    }

    bool take(std::string_view token)
    {
        skipBlanks();
        if (!m_text.substr(m_at).starts_with(token))
            return false;
        m_at += token.size();
        return true;
    }

    void skipBlanks()
    {
        while (m_at < m_text.size() && isBlank(m_text[m_at]))
            ++m_at;
    }

    std::string_view m_text;
    const NumberFormat& m_region;
    std::size_t m_at = 0;
};

// A form, with the decimal the window writes after "≈" agreeing with it to its rounding.
Read readForm(std::string_view text, const NumberFormat& region)
{
    std::string_view form = text;
    std::optional<double> decimal;
    if (const std::size_t at = text.find(nearlyEqual); at != std::string_view::npos) {
        form = text.substr(0, at);
        const auto shown = ReadFieldNumberStrictly(text.substr(at + nearlyEqual.size()), region);
        if (!shown.ok())
            return FieldTextProblem::NotOneNumber;
        decimal = shown.value();
    }
    const std::optional<ExactNumber> exact = FormReader(form, region).read();
    if (!exact)
        return FieldTextProblem::NotOneNumber;
    const double value = ApproximateValue(*exact);
    if (!std::isfinite(value))
        return FieldTextProblem::BeyondRange;
    // The decimal is rounded to the digits it shows; a little more for its own rounding.
    if (decimal && !(std::fabs(value - *decimal) <= 0.0005 * (1.0 + 0x1p-40)))
        return FieldTextProblem::NotOneNumber;
    return TypedNumber{value, *exact, true};
}

} // namespace

Read ReadTypedNumber(std::string_view text, const NumberFormat& region)
{
    const auto decimal = ReadFieldNumberStrictly(text, region);
    if (decimal.ok())
        return TypedNumber{decimal.value(), TypedExactly(decimal.value()), false};
    if (decimal.fault() == FieldTextProblem::Empty || decimal.fault() == FieldTextProblem::NoNumber)
        return decimal.fault();
    const Read form = readForm(text, region);
    // A text that is no form keeps the decimal's problem, which says more ("2,5" for 2.5).
    if (!form.ok() && form.fault() == FieldTextProblem::NotOneNumber)
        return decimal.fault();
    return form;
}

Read ReadTypedAngle(std::string_view text, const NumberFormat& region)
{
    const auto angle = ReadAngleStrictly(text, region);
    if (!angle.ok())
        return angle.fault();
    return TypedNumber{angle.value(), TypedExactly(angle.value()), false};
}

} // namespace triangle
