#pragma once

#include "game/startup.h"
#include "model/murmex.h"
#include "support/boardfixture.h"
#include "support/fakeplatform.h"

#include <QTemporaryDir>

// The program started in a fresh directory, with one move on the board not yet saved.
struct StartedGame
{
    StartedGame()
    {
        Form_Load(m, program.path(), {});
        fixture::lay(m, 113, u'H');
        m.boardSaved = false;
    }

    QTemporaryDir program;
    FakePlatform fake;
    Murmex m;
};
