#pragma once

class Sound
{
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
};
