#pragma once

// Exact values as a textbook writes them: q₁√n₁ + q₂√n₂, each q a fraction and each n a
// square-free integer (n = 1 for the rational part). A value is always in its one canonical
// form: at most two terms, like terms collected, square factors taken out of the roots, no
// root in a denominator and none inside another.
//
// A value may also be "none": no exact value, because a result needs more than two terms, a
// root does not denest, an integer outgrew 128 bits or a radicand was too large to settle,
// or the operation itself was undefined (division by zero, the root of a negative number).
// Like a NaN, none passes through every operation, so that a formula can be evaluated
// exactly beside its doubles and asked only at the end:
//
//     const ExactNumber c = ExactNumber::fromDouble(10.0), a = ExactNumber::fromDouble(5.0);
//     const ExactNumber b = sqrt(c * c - a * a);  // 5√3
//     if (b.exists()) text = *WriteExact(b, region);  // see exact_text.h
//
// The decimals a program shows stay its doubles; ApproximateValue is for tests.

#include "solver/exact/exact_rational.h"

#include <array>
#include <cstdint>
#include <span>

namespace triangle {

class ExactNumber {
public:
    // coefficient · √radicand; a radicand of 1 is the rational term.
    struct Term {
        exact::Rational coefficient;
        exact::Integer radicand = 1;

        friend bool operator==(const Term&, const Term&) = default;
    };

    ExactNumber() = default; // none
    static ExactNumber integer(std::int64_t value);
    static ExactNumber rational(const exact::Rational& value); // none if invalid
    // The number a typed decimal stands for: the double written with std::to_chars'
    // shortest round trip, read as the decimal fraction it shows (12.5 is 25/2, 0.1 is
    // 1/10). None for infinities and NaN, and beyond 10³⁸ or below 10⁻³⁸.
    static ExactNumber fromDouble(double typed);

    bool exists() const { return m_exists; }
    // Ordered by radicand, the rational term first; none for zero.
    std::span<const Term> terms() const { return {m_terms.data(), m_count}; }
    bool isRational() const
    {
        return m_exists && (m_count == 0 || (m_count == 1 && m_terms[0].radicand == 1));
    }
    // Two terms, such as 2 + √3.
    bool isSum() const { return m_exists && m_count == 2; }
    // A term with a root, such as √3 or 1 + √3.
    bool hasRoot() const;
    // A term whose coefficient is no integer, such as 5/2, √3/2 or (1 + √3)/2.
    bool isQuotient() const;
    // √n alone, n > 1 an integer.
    bool isSqrtOfInteger() const;
    // Every term below zero, such as −3 or −2 − √3; zero has none.
    bool hasOnlyNegativeTerms() const;

    // −1, 0 or 1; nothing for none, or where the comparison itself would overflow.
    std::optional<int> sign() const;

    friend ExactNumber operator+(const ExactNumber& x, const ExactNumber& y);
    friend ExactNumber operator-(const ExactNumber& x);
    friend ExactNumber operator-(const ExactNumber& x, const ExactNumber& y);
    friend ExactNumber operator*(const ExactNumber& x, const ExactNumber& y);
    friend ExactNumber operator/(const ExactNumber& x, const ExactNumber& y);
    // Denests √(x + y√n) where x² − y²n is the square of a rational; otherwise none.
    friend ExactNumber sqrt(const ExactNumber& x);

private:
    // The canonical value of a sum of up to four terms in any order; none if a coefficient
    // is invalid or more than two different radicands are left.
    static ExactNumber collected(std::span<const Term> terms);
    static ExactNumber sqrtOfRational(const exact::Rational& q);
    ExactNumber inverse() const;

    std::array<Term, 2> m_terms{};
    std::size_t m_count = 0;
    bool m_exists = false;
};

// The exact value a typed decimal gives a calculation: the decimal itself where it has at
// most two decimals (12, 7,5, 0,25), as a book's numbers have; none for three or more
// (3,464), which stand for a rounded value, such as 2√3, and would only give forms that no
// book writes (866√3/375).
ExactNumber TypedExactly(double typed);

// Both values exist and are the same number; none equals nothing, itself included.
bool ExactlyEquals(const ExactNumber& x, const ExactNumber& y);

// The double nearest the value, within a unit in the last place: the value a calculation
// takes for a number typed exactly ("2√3"). NaN for none.
double ApproximateValue(const ExactNumber& x);

} // namespace triangle
