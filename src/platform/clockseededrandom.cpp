#include "platform/clockseededrandom.h"

#include "platform/clock.h"

ClockSeededRandom::ClockSeededRandom(const Clock& clock)
    : m_clock(clock)
    , m_engine(clock.ticks())
{ }

void ClockSeededRandom::seedFromClock()
{
    m_engine.seed(m_clock.ticks());
}

double ClockSeededRandom::uniform()
{
    // 53 random bits give every double in [0, 1) on an even grid and never 1 itself, which
    // std::uniform_real_distribution does not promise.
    return double(m_engine() >> 11) * 0x1.0p-53;
}
