#pragma once

#include "platform/random.h"

#include <random>

class Clock;

class ClockSeededRandom : public Random
{
public:
    explicit ClockSeededRandom(const Clock& clock);

    void seedFromClock() override;
    double uniform() override;

private:
    const Clock& m_clock;
    std::mt19937_64 m_engine;
};
