#pragma once

#include "platform/sound.h"

class QtSound : public Sound
{
public:
    void beep() override;
};
