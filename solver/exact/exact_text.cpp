#include "solver/exact/exact_text.h"

#include <algorithm>
#include <string_view>

namespace triangle {

using exact::Integer;
using exact::Rational;

namespace {

// What tells the parts of a form apart.
struct Vocabulary {
    std::string_view negative;   // in front of a negative value or first term
    std::string_view plus;       // between terms
    std::string_view minus;      // between terms
    std::string_view root;       // before a radicand
    std::string_view beforeRoot; // between a coefficient and its root
    std::string_view over;       // between a numerator and its denominator
    std::string_view openSum;    // before a sum over a denominator
    std::string_view sumOver;    // between that sum and its denominator
    bool bracketGroupedRadicand; // "√(12 345)": a group separator would end the root
};

constexpr Vocabulary symbols{"−", " + ", " − ", "√", "", "/", "(", ")/", true};

// The fewest decimals (1 to 3) that write p/d, or 0 when three do not: d must divide 1000.
int decimalsOf(Integer denominator)
{
    for (int decimals = 1, power = 10; decimals <= 3; ++decimals, power *= 10) {
        if (power % denominator == 0)
            return decimals;
    }
    return 0;
}

class FormWriter {
public:
    FormWriter(const NumberFormat& region, const Vocabulary& vocabulary)
        : m_region(region), m_vocabulary(vocabulary)
    {}

    std::optional<std::string> write(const ExactNumber& x, RationalForm form)
    {
        if (!x.exists())
            return std::nullopt;
        const auto terms = x.terms();
        if (x.isRational() &&
            (terms.empty() || terms[0].coefficient.isInteger() ||
             (form == RationalForm::Decimal && decimalsOf(terms[0].coefficient.denominator) > 0)))
            m_longest = longestPlainInteger;
        if (terms.empty())
            m_text += '0';
        else if (terms.size() == 1 && terms[0].radicand == 1)
            rational(terms[0].coefficient, form);
        else if (terms.size() == 1)
            rootTerm(terms[0]);
        else
            sum(terms[0], terms[1]);
        if (m_tooLong)
            return std::nullopt;
        return std::move(m_text);
    }

private:
    void sign(bool negative)
    {
        if (negative)
            m_text += m_vocabulary.negative;
    }

    // A magnitude's digits, grouped as the region groups them.
    void integer(Integer magnitude)
    {
        char digits[40];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + static_cast<int>(magnitude % 10));
            magnitude /= 10;
        } while (magnitude != 0);
        if (count > m_longest)
            m_tooLong = true;
        // A form's integers have at most four digits and stay ungrouped, "2611/500": a
        // group separator inside a form could read as a decimal one ("2.611/500").
        if (m_longest == longestExactInteger) {
            for (int i = count; i-- > 0;)
                m_text += digits[i];
            return;
        }
        std::size_t group = 0;
        int inGroup = 0;
        std::string grouped;
        for (int i = 0; i < count; ++i) {
            const int size = GroupSize(m_region.groupSizes, group);
            if (size > 0 && inGroup == size) {
                grouped.insert(0, m_region.groupSeparator);
                ++group;
                inGroup = 0;
            }
            grouped.insert(grouped.begin(), digits[i]);
            ++inGroup;
        }
        m_text += grouped;
    }

    void rational(const Rational& q, RationalForm form)
    {
        sign(q.numerator < 0);
        const Integer numerator = q.numerator < 0 ? -q.numerator : q.numerator;
        const int decimals = form == RationalForm::Decimal ? decimalsOf(q.denominator) : 0;
        if (q.isInteger()) {
            integer(numerator);
        } else if (decimals > 0) {
            Integer power = 1;
            for (int i = 0; i < decimals; ++i)
                power *= 10;
            const Rational scaled = Rational{numerator, 1} * Rational{power / q.denominator, 1};
            if (!scaled.valid()) {
                m_tooLong = true;
                return;
            }
            const Integer whole = scaled.numerator / power;
            if (whole != 0 || m_region.leadingZero)
                integer(whole);
            m_text += m_region.decimalSeparator;
            const std::string fraction = std::to_string(static_cast<int>(scaled.numerator % power));
            m_text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
            m_text += fraction;
        } else {
            integer(numerator);
            m_text += m_vocabulary.over;
            integer(q.denominator);
        }
    }

    // |coefficient|·√radicand with an integer coefficient: "5√3", "√3", "5".
    void product(Integer coefficient, Integer radicand)
    {
        if (coefficient < 0)
            coefficient = -coefficient;
        if (radicand == 1) {
            integer(coefficient);
            return;
        }
        if (coefficient != 1) {
            integer(coefficient);
            m_text += m_vocabulary.beforeRoot;
        }
        m_text += m_vocabulary.root;
        const std::size_t start = m_text.size();
        integer(radicand);
        const bool grouped = m_text.find(m_region.groupSeparator, start) != std::string::npos;
        if (m_vocabulary.bracketGroupedRadicand && !m_region.groupSeparator.empty() && grouped) {
            m_text.insert(start, "(");
            m_text += ')';
        }
    }

    void rootTerm(const ExactNumber::Term& term)
    {
        sign(term.coefficient.numerator < 0);
        product(term.coefficient.numerator, term.radicand);
        if (!term.coefficient.isInteger()) {
            m_text += m_vocabulary.over;
            integer(term.coefficient.denominator);
        }
    }

    // Both terms over their least common denominator, the positive one first.
    void sum(const ExactNumber::Term& first, const ExactNumber::Term& second)
    {
        const Integer common =
            exact::gcd(first.coefficient.denominator, second.coefficient.denominator);
        const Rational denominator = Rational{first.coefficient.denominator / common, 1} *
                                     Rational{second.coefficient.denominator, 1};
        auto numerator = [&denominator](const ExactNumber::Term& t) {
            return t.coefficient * denominator;
        };
        Rational a = numerator(first);
        Rational b = numerator(second);
        Integer radicandA = first.radicand;
        Integer radicandB = second.radicand;
        if (!denominator.valid() || !a.valid() || !b.valid()) {
            m_tooLong = true;
            return;
        }
        if (a.numerator < 0 && b.numerator > 0) {
            std::swap(a, b);
            std::swap(radicandA, radicandB);
        }
        const bool over = denominator.numerator != 1;
        if (over)
            m_text += m_vocabulary.openSum;
        sign(a.numerator < 0);
        product(a.numerator, radicandA);
        m_text += b.numerator < 0 ? m_vocabulary.minus : m_vocabulary.plus;
        product(b.numerator, radicandB);
        if (over) {
            m_text += m_vocabulary.sumOver;
            integer(denominator.numerator);
        }
    }

    const NumberFormat& m_region;
    const Vocabulary& m_vocabulary;
    std::string m_text;
    bool m_tooLong = false;
    int m_longest = longestExactInteger;
};

} // namespace

std::optional<std::string> WriteExact(const ExactNumber& x, const NumberFormat& region,
                                      RationalForm form)
{
    return FormWriter(region, symbols).write(x, form);
}

bool FitsThreeDecimals(const ExactNumber& x)
{
    return x.isRational() &&
           (x.terms().empty() || decimalsOf(x.terms()[0].coefficient.denominator) > 0);
}

} // namespace triangle
