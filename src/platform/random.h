#pragma once

// A uniform pseudo-random generator.
class Random
{
public:
    virtual ~Random() = default;
    virtual void seedFromClock() = 0;
    // In [0, 1).
    virtual double uniform() = 0;
};
