#include "solver/decimal_reading.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace triangle {

namespace {

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

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

} // namespace triangle
