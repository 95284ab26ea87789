#pragma once

#include <cstdint>

// A colour as red, green, blue, kept free of the GUI toolkit.
struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};
