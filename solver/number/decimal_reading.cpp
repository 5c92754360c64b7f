#include "solver/number/decimal_reading.h"

#include "solver/number/digit_groups.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace triangle {

namespace {

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
        if (IsDigit(*p))
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

// 10^k for k from −5 to 15, to the nearest double.
constexpr std::array<double, 21> powersOfTenAsDoubles = {1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,  1e1,
                                                         1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                                         1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// n / 10^k for k from 1 to 16, each a division by a constant that the compiler makes a
// multiplication: a division by a variable takes several times as long.
std::uint64_t dividedByPowerOfTen(std::uint64_t n, std::size_t k)
{
    switch (k) {
    case 1:
        return n / powersOfTen[1];
    case 2:
        return n / powersOfTen[2];
    case 3:
        return n / powersOfTen[3];
    case 4:
        return n / powersOfTen[4];
    case 5:
        return n / powersOfTen[5];
    case 6:
        return n / powersOfTen[6];
    case 7:
        return n / powersOfTen[7];
    case 8:
        return n / powersOfTen[8];
    case 9:
        return n / powersOfTen[9];
    case 10:
        return n / powersOfTen[10];
    case 11:
        return n / powersOfTen[11];
    case 12:
        return n / powersOfTen[12];
    case 13:
        return n / powersOfTen[13];
    case 14:
        return n / powersOfTen[14];
    case 15:
        return n / powersOfTen[15];
    default:
        return n / powersOfTen[k];
    }
}

// The same 15-digit reading as decimalReading(value, 15), worked out exactly in integers
// for the magnitudes a triangle's values have (10⁻⁵ to 10¹⁵), where to_chars with a
// precision is several times slower: its digits as one integer in [10¹⁴, 10¹⁵) and the
// decimal exponent of the first. With |value| = m·2^e, m < 2^53, the digits are
// N = m·10^(14−E)·2^e rounded to the nearest integer, ties to even as to_chars rounds,
// E being the decimal exponent that puts N in [10¹⁴, 10¹⁵).
bool fifteenDigits(double value, std::uint64_t& digits, int& exponent)
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
    // log10(2) ≈ 78913 / 2^18: a guess at the decimal exponent, at most one too small, then
    // put right by the power of ten above it in most cases, so that one attempt below
    // usually finds the digits.
    exponent = ((52 - shift) * 78913) >> 18;
    if (magnitude >= powersOfTenAsDoubles[static_cast<std::size_t>(exponent + 6)])
        ++exponent;
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
            return true;
        }
    }
}

bool fastDecimalReading(double value, DecimalReading& reading)
{
    std::uint64_t digits = 0;
    if (!fifteenDigits(value, digits, reading.exponent))
        return false;
    reading.count = 15;
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

} // namespace

DecimalReading RoundedForDisplay(double value)
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

std::optional<std::uint64_t> ThousandthsForDisplay(double value)
{
    std::uint64_t digits = 0;
    int exponent = 0;
    if (!fifteenDigits(value, digits, exponent))
        return std::nullopt;
    // The digit of weight 10^(exponent − i) is the i-th of the fifteen, so the thousandths
    // are digits·10^(exponent − 11). Below that, RoundedForDisplay drops the digits after
    // the third decimal and rounds up when the first dropped one is 5 or more, which is
    // adding half of the dropped place before dropping; at exponent −5 even that leaves 0.
    if (exponent >= 11)
        return digits * powersOfTen[static_cast<std::size_t>(exponent - 11)];
    const auto dropped = static_cast<std::size_t>(11 - exponent);
    return dividedByPowerOfTen(digits + 5 * powersOfTen[dropped - 1], dropped);
}

} // namespace triangle
