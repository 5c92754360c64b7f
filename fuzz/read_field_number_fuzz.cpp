#include "fuzz/fuzz_regions.h"
#include "solver/number/field_number.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

// Any text in any region reads as a finite number or as the overflow fault.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto input = TakeApart(data, size);
    if (!input)
        return 0;
    const auto read = triangle::ReadFieldNumber(input->text, input->region);
    if (read.ok() && !std::isfinite(read.value()))
        std::abort();
    if (!read.ok() && read.fault() != triangle::CalculationFault::Overflow)
        std::abort();
    return 0;
}
