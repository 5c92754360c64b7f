#pragma once

#include "tests/regions.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The region a fuzz input asks for with its first byte.
inline triangle::NumberFormat regionOf(std::uint8_t choice)
{
    static const auto all = regions::all();
    return all[choice % all.size()].second;
}

// A fuzz input taken apart: `chosen` leading bytes that choose what to solve, the next one
// the region, and the text after them.
struct FuzzInput {
    const std::uint8_t* choices;
    triangle::NumberFormat region;
    std::string_view text;

    // The text as two: up to its first NUL, and after it (empty where there is none).
    std::string_view first() const { return text.substr(0, text.find('\0')); }
    std::string_view second() const
    {
        const std::size_t split = text.find('\0');
        return split == std::string_view::npos ? std::string_view() : text.substr(split + 1);
    }
};

// Nothing where the input is too short to choose all it must.
inline std::optional<FuzzInput> TakeApart(const std::uint8_t* data, std::size_t size,
                                          std::size_t chosen = 0)
{
    if (size < chosen + 1)
        return std::nullopt;
    return FuzzInput{
        data, regionOf(data[chosen]),
        std::string_view(reinterpret_cast<const char*>(data + chosen + 1), size - chosen - 1)};
}
