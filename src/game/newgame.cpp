#include "game/newgame.h"

#include "game/savequestion.h"
#include "model/emptygame.h"

void neu_Click(Murmex& m, Platform& platform)
{
    if (saveQuestion(m, platform))
        emptyGameReset(m);
}
