#include "fuzz/fuzz_regions.h"
#include "solver/number/field_number.h"
#include "solver/number/field_text_check.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

// Whatever value is written, in whatever region, reads back as the value the text shows,
// by the lenient reading and by the strict one alike.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 + sizeof(double))
        return 0;
    const triangle::NumberFormat region = regionOf(data[0]);
    double value = 0.0;
    std::memcpy(&value, data + 1, sizeof value);
    if (!std::isfinite(value))
        return 0;

    // The value shown: the text written without grouping in the period region, which
    // lies within half a thousandth (and half a unit of the 15th digit) of the value.
    triangle::NumberFormat plainRegion;
    plainRegion.groupSeparator.clear();
    const std::string plain = triangle::FormatFieldNumber(value, plainRegion);
    double shown = 0.0;
    std::from_chars(plain.data(), plain.data() + plain.size(), shown);
    if (!(std::fabs(shown - value) <= 0.0005 + std::fabs(value) * 1e-14))
        std::abort();

    const std::string text = triangle::FormatFieldNumber(value, region);
    const auto read = triangle::ReadFieldNumber(text, region);
    if (!read.ok() || read.value() != shown)
        std::abort();
    const auto strict = triangle::ReadFieldNumberStrictly(text, region);
    if (!strict.ok() || strict.value() != shown)
        std::abort();
    return 0;
}
