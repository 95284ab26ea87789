#pragma once

#include "platform/clock.h"

class SystemClock : public Clock
{
public:
    std::uint64_t ticks() const override;
};
