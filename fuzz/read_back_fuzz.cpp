#include "fuzz/fuzz_regions.h"
#include "solver/field_number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

// Whatever value is written, in whatever region, reads back as the value the text shows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 + sizeof(double))
        return 0;
    const triangle::NumberFormat region = regionOf(data[0]);
    double value = 0.0;
    std::memcpy(&value, data + 1, sizeof value);
    if (!std::isfinite(value))
        return 0;

    // The value shown: the three-decimal text read without any region.
    char plain[400];
    const auto written =
        std::to_chars(plain, plain + sizeof plain, value, std::chars_format::fixed, 3);
    double shown = 0.0;
    std::from_chars(plain, written.ptr, shown);

    const std::string text = triangle::FormatFieldNumber(value, region);
    const auto read = triangle::ReadFieldNumber(text, region);
    if (!read.ok() || read.value() != shown)
        std::abort();
    return 0;
}
