#pragma once

#include <cstdint>

class Clock
{
public:
    virtual ~Clock() = default;
    // Changes between two presses of a button, whatever the unit.
    virtual std::uint64_t ticks() const = 0;
};
