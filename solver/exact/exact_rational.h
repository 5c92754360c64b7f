#pragma once

// The integers and fractions under the exact numbers: 128-bit, every operation checked, so
// that a result too large to hold becomes "no value" rather than a wrong one.

#include <optional>

namespace triangle::exact {

__extension__ typedef __int128 Integer; // GCC's and clang's 128-bit integer; MinGW-w64 has it too

// A fraction in lowest terms with a positive denominator. A denominator of 0 marks a result
// that did not fit (or a division by zero); every operation passes it on, as a NaN is.
struct Rational {
    Integer numerator = 0;
    Integer denominator = 1;

    bool valid() const { return denominator != 0; }
    bool isInteger() const { return denominator == 1; }
    int sign() const { return numerator > 0 ? 1 : (numerator < 0 ? -1 : 0); }

    friend bool operator==(const Rational&, const Rational&) = default;
};

inline constexpr Rational invalidRational{0, 0};

// numerator / denominator in lowest terms; invalid for a zero denominator.
Rational makeRational(Integer numerator, Integer denominator);

Rational operator+(const Rational& x, const Rational& y);
Rational operator-(const Rational& x);
Rational operator-(const Rational& x, const Rational& y);
Rational operator*(const Rational& x, const Rational& y);
Rational operator/(const Rational& x, const Rational& y);

// −1, 0 or 1 as x is below, equal to or above y; nothing when either is invalid.
std::optional<int> compare(const Rational& x, const Rational& y);

// The greatest common divisor of the magnitudes; 0 only for two zeros.
Integer gcd(Integer x, Integer y);

// The largest r with r² ≤ x, for x ≥ 0.
Integer floorSqrt(Integer x);

// x = square² · free with free square-free, for x > 0.
struct SquareSplit {
    Integer square = 1;
    Integer free = 1;
};

// Found by trial division up to a bound and a perfect-square test of what is left. Nothing
// when what is left is too large to settle: it could hide the square of a prime beyond the
// bound, and a root must never be guessed.
std::optional<SquareSplit> splitSquare(Integer x);

// √x exactly when both parts of x are squares; invalid otherwise (also for x < 0).
Rational exactSqrt(const Rational& x);

} // namespace triangle::exact
