#include "solver/exact/exact_rational.h"

#include <cmath>
#include <cstdint>

namespace triangle::exact {

namespace {

__extension__ typedef unsigned __int128 Magnitude;

// The one value whose negation does not fit is treated as an overflow too, so that every
// stored number can be negated freely.
constexpr Integer smallest = -static_cast<Integer>(~Magnitude(0) >> 1) - 1;

bool add(Integer x, Integer y, Integer& sum)
{
    return !__builtin_add_overflow(x, y, &sum) && sum != smallest;
}

bool multiply(Integer x, Integer y, Integer& product)
{
    return !__builtin_mul_overflow(x, y, &product) && product != smallest;
}

Magnitude magnitude(Integer x)
{
    return x < 0 ? -static_cast<Magnitude>(x) : static_cast<Magnitude>(x);
}

bool fits64(Magnitude x)
{
    return (x >> 64) == 0;
}

// Trial division runs to this bound, so a rest below its cube has at most two prime factors.
constexpr std::uint64_t trialBound = 100000;

} // namespace

Integer gcd(Integer x, Integer y)
{
    Magnitude a = magnitude(x);
    Magnitude b = magnitude(y);
    while (b != 0 && !(fits64(a) && fits64(b))) {
        const Magnitude rest = a % b;
        a = b;
        b = rest;
    }
    // Most numbers here are small: 64-bit division is several times faster.
    auto a64 = static_cast<std::uint64_t>(a);
    auto b64 = static_cast<std::uint64_t>(b);
    while (b64 != 0) {
        const std::uint64_t rest = a64 % b64;
        a64 = b64;
        b64 = rest;
    }
    return b == 0 && !fits64(a) ? static_cast<Integer>(a) : static_cast<Integer>(a64);
}

Rational makeRational(Integer numerator, Integer denominator)
{
    if (denominator == 0 || numerator == smallest || denominator == smallest)
        return invalidRational;
    if (numerator == 0)
        return {0, 1};
    const Integer divisor = gcd(numerator, denominator);
    const Integer sign = denominator < 0 ? -1 : 1;
    return {sign * (numerator / divisor), sign * (denominator / divisor)};
}

Rational operator+(const Rational& x, const Rational& y)
{
    if (!x.valid() || !y.valid())
        return invalidRational;
    // Over the least common denominator, which keeps the products small.
    const Integer common = gcd(x.denominator, y.denominator);
    Integer left = 0;
    Integer right = 0;
    Integer numerator = 0;
    Integer denominator = 0;
    if (multiply(x.numerator, y.denominator / common, left) &&
        multiply(y.numerator, x.denominator / common, right) && add(left, right, numerator) &&
        multiply(x.denominator / common, y.denominator, denominator))
        return makeRational(numerator, denominator);
    return invalidRational;
}

Rational operator-(const Rational& x)
{
    return x.valid() ? Rational{-x.numerator, x.denominator} : invalidRational;
}

Rational operator-(const Rational& x, const Rational& y)
{
    return x + -y;
}

Rational operator*(const Rational& x, const Rational& y)
{
    if (!x.valid() || !y.valid())
        return invalidRational;
    // Cancelled crosswise first, the product is in lowest terms and as small as it can be.
    const Integer first = gcd(x.numerator, y.denominator);
    const Integer second = gcd(y.numerator, x.denominator);
    Integer numerator = 0;
    Integer denominator = 0;
    if (multiply(x.numerator / first, y.numerator / second, numerator) &&
        multiply(x.denominator / second, y.denominator / first, denominator))
        return numerator == 0 ? Rational{0, 1} : Rational{numerator, denominator};
    return invalidRational;
}

Rational operator/(const Rational& x, const Rational& y)
{
    if (!y.valid() || y.numerator == 0)
        return invalidRational;
    return x * makeRational(y.denominator, y.numerator);
}

std::optional<int> compare(const Rational& x, const Rational& y)
{
    Integer left = 0;
    Integer right = 0;
    if (!x.valid() || !y.valid() || !multiply(x.numerator, y.denominator, left) ||
        !multiply(y.numerator, x.denominator, right))
        return std::nullopt;
    return left < right ? -1 : (left > right ? 1 : 0);
}

Integer floorSqrt(Integer x)
{
    if (x <= 0)
        return 0;
    const auto value = static_cast<Magnitude>(x);
    // The double's root is within a relative 2⁻⁵¹; raised above that, Newton's steps come
    // down to the floor. Below 2¹²⁷ the root stays below 2⁶⁴, so its square fits.
    auto root = static_cast<Magnitude>(std::sqrt(static_cast<double>(value)));
    root += (root >> 40) + 2;
    while (root * root > value)
        root = (root + value / root) / 2;
    while ((root + 1) * (root + 1) <= value)
        ++root;
    return static_cast<Integer>(root);
}

std::optional<SquareSplit> splitSquare(Integer x)
{
    if (x <= 0)
        return std::nullopt;
    Magnitude rest = static_cast<Magnitude>(x);
    SquareSplit split;
    // square² · free never exceeds x, so neither product can overflow.
    auto takeOut = [&rest, &split](std::uint64_t prime) {
        bool odd = false;
        while (fits64(rest) ? static_cast<std::uint64_t>(rest) % prime == 0 : rest % prime == 0) {
            rest /= prime;
            odd = !odd;
            if (!odd)
                split.square *= static_cast<Integer>(prime);
        }
        if (odd)
            split.free *= static_cast<Integer>(prime);
    };
    takeOut(2);
    takeOut(3);
    takeOut(5);
    // Candidates prime to 2, 3 and 5: steps of a wheel of 30 from 7.
    constexpr int steps[8] = {4, 2, 4, 2, 4, 6, 2, 6};
    std::uint64_t candidate = 7;
    for (int i = 0; candidate <= trialBound;
         candidate += static_cast<std::uint64_t>(steps[i]), i = (i + 1) % 8) {
        if (Magnitude(candidate) * candidate > rest)
            break;
        takeOut(candidate);
    }
    if (rest == 1)
        return split;
    // Every prime factor left exceeds the candidates tried.
    if (Magnitude(candidate) * candidate > rest) {
        split.free *= static_cast<Integer>(rest);
        return split;
    }
    const Integer root = floorSqrt(static_cast<Integer>(rest));
    if (static_cast<Magnitude>(root) * static_cast<Magnitude>(root) == rest) {
        split.square *= root;
        return split;
    }
    // Below the bound's cube the rest is one prime or two different ones: square-free.
    if (rest < Magnitude(trialBound) * trialBound * trialBound) {
        split.free *= static_cast<Integer>(rest);
        return split;
    }
    return std::nullopt;
}

Rational exactSqrt(const Rational& x)
{
    if (!x.valid() || x.numerator < 0)
        return invalidRational;
    const Integer top = floorSqrt(x.numerator);
    const Integer bottom = floorSqrt(x.denominator);
    if (top * top != x.numerator || bottom * bottom != x.denominator)
        return invalidRational;
    return {top, bottom};
}

} // namespace triangle::exact
