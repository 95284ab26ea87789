#include "platform/systemclock.h"

#include <chrono>

std::uint64_t SystemClock::ticks() const
{
    return std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}
