#include "fuzz/fuzz_regions.h"
#include "solver/number/field_number.h"
#include "solver/number/field_text_check.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

triangle::NumberFormat madeUp(std::string decimal, std::string group, std::string sign,
                              triangle::NegativeForm form)
{
    triangle::NumberFormat region;
    region.decimalSeparator = std::move(decimal);
    region.groupSeparator = std::move(group);
    region.negativeSign = std::move(sign);
    region.negativeForm = form;
    return region;
}

// Settings no real region has, made of the very characters of a plain number ("12,5"), so
// that the strict reading's shortcut for such texts meets every case where it must step
// aside.
const std::vector<triangle::NumberFormat>& oddRegions()
{
    using triangle::NegativeForm;
    static const std::vector<triangle::NumberFormat> regions = {
        madeUp(",", ",", "-", NegativeForm::LeadingMinus),
        madeUp(",", ",5", "5", NegativeForm::TrailingMinus),
        madeUp(",", ".", ".", NegativeForm::Parentheses),
        madeUp(",", "", "1", NegativeForm::TrailingMinusSpace),
        madeUp("e", "", "", NegativeForm::LeadingMinus),
        madeUp("5", "0", "12", NegativeForm::LeadingMinusSpace),
        madeUp("", " ", ",", NegativeForm::TrailingMinus),
    };
    return regions;
}

// The strict reading with its shortcut and without it give the same answer, to the bit.
void checkShortcut(std::string_view text, const triangle::NumberFormat& region)
{
    const auto quick = triangle::ReadFieldNumberStrictly(text, region);
    const auto full = triangle::ReadFieldNumberStrictlyInFull(text, region);
    if (quick.ok() != full.ok())
        std::abort();
    if (quick.ok() &&
        std::bit_cast<std::uint64_t>(quick.value()) != std::bit_cast<std::uint64_t>(full.value()))
        std::abort();
    if (!quick.ok() && quick.fault() != full.fault())
        std::abort();
}

} // namespace

// Whatever text the strict reading takes as a number, in whatever region, the lenient
// reading takes as the same number; a text it refuses as beyond range overflows there too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto input = TakeApart(data, size);
    if (!input)
        return 0;
    const std::string_view text = input->text;
    const triangle::NumberFormat& region = input->region;
    const auto strict = triangle::ReadFieldNumberStrictly(text, region);
    const auto lenient = triangle::ReadFieldNumber(text, region);
    if (strict.ok()) {
        if (!std::isfinite(strict.value()) || !lenient.ok() || lenient.value() != strict.value())
            std::abort();
    } else if (strict.fault() == triangle::FieldTextProblem::BeyondRange && lenient.ok()) {
        std::abort();
    }
    checkShortcut(text, region);
    for (const triangle::NumberFormat& odd : oddRegions())
        checkShortcut(text, odd);
    return 0;
}
