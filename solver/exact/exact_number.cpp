#include "solver/exact/exact_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace triangle {

using exact::Integer;
using exact::Rational;

namespace {

// 10^exponent for 0 ≤ exponent ≤ 38, the powers a 128-bit integer holds.
std::optional<Integer> powerOfTen(int exponent)
{
    if (exponent < 0 || exponent > 38)
        return std::nullopt;
    Integer power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// q₁√n₁ + q₂√n₂ as scale · (a₁√n₁ + a₂√n₂), a₁ and a₂ integers without a common factor
// and the scale positive. The conjugate and the denesting then square integers: squaring
// q₁ and q₂ would square their denominators too, and overflow far sooner.
struct IntegerPair {
    Rational scale;
    Rational first;  // a₁, an integer
    Rational second; // a₂, an integer
    Integer firstRadicand;
    Integer secondRadicand;

    bool valid() const { return scale.valid() && first.valid() && second.valid(); }
    // a₁²n₁ − a₂²n₂
    Rational difference() const
    {
        return first * first * Rational{firstRadicand, 1} -
               second * second * Rational{secondRadicand, 1};
    }
};

IntegerPair integerPair(const ExactNumber::Term& s, const ExactNumber::Term& t)
{
    const Rational& p = s.coefficient;
    const Rational& q = t.coefficient;
    const Integer common = exact::gcd(p.numerator, q.numerator);
    const Rational lcm = Rational{p.denominator / exact::gcd(p.denominator, q.denominator), 1} *
                         Rational{q.denominator, 1};
    if (!lcm.valid())
        return {exact::invalidRational, {}, {}, 1, 1};
    return {exact::makeRational(common, lcm.numerator),
            Rational{p.numerator / common, 1} * Rational{lcm.numerator / p.denominator, 1},
            Rational{q.numerator / common, 1} * Rational{lcm.numerator / q.denominator, 1},
            s.radicand, t.radicand};
}

} // namespace

ExactNumber ExactNumber::integer(std::int64_t value)
{
    return rational({value, 1});
}

ExactNumber ExactNumber::rational(const Rational& value)
{
    const Term term{exact::makeRational(value.numerator, value.denominator), 1};
    return collected({&term, 1});
}

ExactNumber ExactNumber::fromDouble(double typed)
{
    if (!std::isfinite(typed))
        return {};
    // Scientific, so that there is one shape to read: "-1.25e+01".
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, typed, std::chars_format::scientific);
    const char* p = text;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    Integer digits = 0;
    int decimals = 0;
    bool afterPoint = false;
    for (; *p != 'e'; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        digits = digits * 10 + (*p - '0'); // at most 17 digits
        decimals += afterPoint ? 1 : 0;
    }
    const bool exponentNegative = p[1] == '-';
    int exponent = 0;
    for (p += 2; p < written.ptr; ++p)
        exponent = exponent * 10 + (*p - '0');
    const int scale = (exponentNegative ? -exponent : exponent) - decimals;
    const std::optional<Integer> power = powerOfTen(std::abs(scale));
    if (!power)
        return {};
    const Rational magnitude = scale >= 0 ? Rational{digits, 1} * Rational{*power, 1}
                                          : exact::makeRational(digits, *power);
    return rational(negative ? -magnitude : magnitude);
}

bool ExactNumber::hasRoot() const
{
    const auto terms = this->terms();
    return m_exists && std::any_of(terms.begin(), terms.end(),
                                   [](const Term& term) { return term.radicand != 1; });
}

bool ExactNumber::isQuotient() const
{
    const auto terms = this->terms();
    return m_exists && std::any_of(terms.begin(), terms.end(),
                                   [](const Term& term) { return !term.coefficient.isInteger(); });
}

bool ExactNumber::isSqrtOfInteger() const
{
    return m_exists && m_count == 1 && m_terms[0].radicand != 1 &&
           m_terms[0].coefficient == Rational{1, 1};
}

bool ExactNumber::hasOnlyNegativeTerms() const
{
    const auto terms = this->terms();
    return m_exists && m_count > 0 && std::all_of(terms.begin(), terms.end(), [](const Term& term) {
               return term.coefficient.sign() < 0;
           });
}

std::optional<int> ExactNumber::sign() const
{
    if (!m_exists)
        return std::nullopt;
    if (m_count == 0)
        return 0;
    const int first = m_terms[0].coefficient.sign();
    if (m_count == 1 || first == m_terms[1].coefficient.sign())
        return first;
    // Of opposite signs the term of the larger square wins: a₁²n₁ against a₂²n₂.
    const IntegerPair pair = integerPair(m_terms[0], m_terms[1]);
    const Rational difference = pair.valid() ? pair.difference() : exact::invalidRational;
    if (!difference.valid())
        return std::nullopt;
    return difference.sign() > 0 ? first : -first;
}

ExactNumber ExactNumber::collected(std::span<const Term> terms)
{
    std::array<Term, 4> sorted;
    std::size_t count = 0;
    for (const Term& term : terms) {
        if (!term.coefficient.valid())
            return {};
        sorted[count++] = term;
    }
    std::sort(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(count),
              [](const Term& x, const Term& y) { return x.radicand < y.radicand; });
    ExactNumber result;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
        Rational sum = sorted[i].coefficient;
        while (i + 1 < count && sorted[i + 1].radicand == sorted[i].radicand)
            sum = sum + sorted[++i].coefficient;
        if (!sum.valid())
            return {};
        if (sum.numerator == 0)
            continue;
        if (kept == result.m_terms.size())
            return {};
        result.m_terms[kept++] = {sum, sorted[i].radicand};
    }
    result.m_count = kept;
    result.m_exists = true;
    return result;
}

// √(p/d) = s₁√r₁ / (s₂√r₂) = s₁√(r₁r₂) / (s₂r₂), with p = s₁²r₁ and d = s₂²r₂. The fraction
// is in lowest terms, so r₁ and r₂ have no common factor and r₁r₂ is square-free.
ExactNumber ExactNumber::sqrtOfRational(const Rational& q)
{
    if (!q.valid() || q.numerator < 0)
        return {};
    if (q.numerator == 0)
        return integer(0);
    const std::optional<exact::SquareSplit> top = exact::splitSquare(q.numerator);
    const std::optional<exact::SquareSplit> bottom = exact::splitSquare(q.denominator);
    if (!top || !bottom)
        return {};
    const Rational radicand = Rational{top->free, 1} * Rational{bottom->free, 1};
    if (!radicand.valid())
        return {};
    // s₂r₂ ≤ s₂²r₂ = d: no overflow.
    const Term term{exact::makeRational(top->square, bottom->square * bottom->free),
                    radicand.numerator};
    return collected({&term, 1});
}

ExactNumber operator+(const ExactNumber& x, const ExactNumber& y)
{
    if (!x.m_exists || !y.m_exists)
        return {};
    std::array<ExactNumber::Term, 4> terms;
    std::copy(x.terms().begin(), x.terms().end(), terms.begin());
    std::copy(y.terms().begin(), y.terms().end(), terms.begin() + x.terms().size());
    return ExactNumber::collected({terms.data(), x.m_count + y.m_count});
}

ExactNumber operator-(const ExactNumber& x)
{
    ExactNumber negated = x;
    for (std::size_t i = 0; i < negated.m_count; ++i)
        negated.m_terms[i].coefficient = -negated.m_terms[i].coefficient;
    return negated;
}

ExactNumber operator-(const ExactNumber& x, const ExactNumber& y)
{
    return x + -y;
}

// q₁√n₁ · q₂√n₂ = q₁q₂g · √((n₁/g)(n₂/g)) with g = gcd(n₁, n₂): both square-free, what is
// left of them has no common factor, so the radicand stays square-free with no factoring.
ExactNumber operator*(const ExactNumber& x, const ExactNumber& y)
{
    if (!x.m_exists || !y.m_exists)
        return {};
    std::array<ExactNumber::Term, 4> products;
    std::size_t count = 0;
    for (const ExactNumber::Term& s : x.terms()) {
        for (const ExactNumber::Term& t : y.terms()) {
            const Integer common = exact::gcd(s.radicand, t.radicand);
            const Rational radicand =
                Rational{s.radicand / common, 1} * Rational{t.radicand / common, 1};
            if (!radicand.valid())
                return {};
            products[count++] = {s.coefficient * t.coefficient * Rational{common, 1},
                                 radicand.numerator};
        }
    }
    return ExactNumber::collected({products.data(), count});
}

// 1/(q√n) = √n/(qn), and by the conjugate
// 1/(s·(a₁√n₁ + a₂√n₂)) = (a₁√n₁ − a₂√n₂) / (s·(a₁²n₁ − a₂²n₂)), whose denominator is
// rational and not zero, the radicands being different and square-free.
ExactNumber ExactNumber::inverse() const
{
    if (!m_exists || m_count == 0)
        return {};
    if (m_count == 1) {
        const Term& t = m_terms[0];
        const Term inverted{Rational{1, 1} / (t.coefficient * Rational{t.radicand, 1}), t.radicand};
        return collected({&inverted, 1});
    }
    const IntegerPair pair = integerPair(m_terms[0], m_terms[1]);
    if (!pair.valid())
        return {};
    const Rational factor = Rational{1, 1} / (pair.scale * pair.difference());
    const std::array<Term, 2> conjugate = {Term{pair.first * factor, pair.firstRadicand},
                                           Term{-pair.second * factor, pair.secondRadicand}};
    return collected(conjugate);
}

ExactNumber operator/(const ExactNumber& x, const ExactNumber& y)
{
    return x * y.inverse();
}

// With x + y√n = s·(a + b√n): √(x + y√n) = √(s(a + r)/2) ± √(s(a − r)/2), the sign that
// of b, where r² = a² − b²n. Where a² − b²n is no square the root does not denest into two
// terms, and a value of two roots (no rational part) is never the square of a value of
// this form.
ExactNumber sqrt(const ExactNumber& x)
{
    const std::optional<int> sign = x.sign();
    if (!sign || *sign < 0)
        return {};
    if (x.m_count == 0 || (x.m_count == 1 && x.m_terms[0].radicand == 1))
        return ExactNumber::sqrtOfRational(x.m_count == 0 ? Rational{0, 1}
                                                          : x.m_terms[0].coefficient);
    if (x.m_count == 1 || x.m_terms[0].radicand != 1)
        return {};
    const IntegerPair pair = integerPair(x.m_terms[0], x.m_terms[1]);
    const Rational r = pair.valid() ? exact::exactSqrt(pair.difference()) : exact::invalidRational;
    if (!r.valid())
        return {};
    const Rational half = pair.scale * Rational{1, 2};
    const ExactNumber larger = ExactNumber::sqrtOfRational((pair.first + r) * half);
    const ExactNumber smaller = ExactNumber::sqrtOfRational((pair.first - r) * half);
    return pair.second.sign() > 0 ? larger + smaller : larger - smaller;
}

bool ExactlyEquals(const ExactNumber& x, const ExactNumber& y)
{
    return x.exists() && y.exists() && std::ranges::equal(x.terms(), y.terms());
}

ExactNumber TypedExactly(double typed)
{
    const ExactNumber exact = ExactNumber::fromDouble(typed);
    if (!exact.isRational() || exact.terms().empty())
        return exact;
    return 100 % exact.terms()[0].coefficient.denominator == 0 ? exact : ExactNumber();
}

double ApproximateValue(const ExactNumber& x)
{
    if (!x.exists())
        return std::numeric_limits<double>::quiet_NaN();
    long double sum = 0.0L;
    for (const ExactNumber::Term& t : x.terms())
        sum += static_cast<long double>(t.coefficient.numerator) /
               static_cast<long double>(t.coefficient.denominator) *
               std::sqrt(static_cast<long double>(t.radicand));
    return static_cast<double>(sum);
}

} // namespace triangle
