#include "game/loadcommand.h"

#include "game/filepanels.h"
#include "game/savequestion.h"
#include "model/murmex.h"

void l_Command_Click(Murmex& m, Platform& platform)
{
    if (!saveQuestion(m, platform))
        return;
    showPanel(m, kLoadPanel);
    goToDataDirectory(m, kLoadPanel);
    m.boardSaved = true;
}
