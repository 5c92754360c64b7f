#include "fuzz/fuzz_regions.h"
#include "solver/field_number.h"
#include "solver/field_text_check.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

// Whatever text the strict reading takes as a number, in whatever region, the lenient
// reading takes as the same number; a text it refuses as beyond range overflows there too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const triangle::NumberFormat region = regionOf(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto strict = triangle::ReadFieldNumberStrictly(text, region);
    const auto lenient = triangle::ReadFieldNumber(text, region);
    if (strict.ok()) {
        if (!std::isfinite(strict.value()) || !lenient.ok() || lenient.value() != strict.value())
            std::abort();
    } else if (strict.fault() == triangle::FieldTextProblem::BeyondRange && lenient.ok()) {
        std::abort();
    }
    return 0;
}
