#pragma once

#include "tests/regions.h"

#include <cstddef>
#include <cstdint>

// The region a fuzz input asks for with its first byte.
inline triangle::NumberFormat regionOf(std::uint8_t choice)
{
    static const auto all = regions::all();
    return all[choice % all.size()].second;
}
