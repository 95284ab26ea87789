#include "game/loadcommand.h"

#include "game/filepanels.h"
#include "game/savequestion.h"
#include "model/murmex.h"

bool l_Command_Click(Murmex& m, Platform& platform)
{
    if (!saveQuestion(m, platform))
        return false;
    showPanel(m, kLoadPanel);
    goToDataDirectory(m, kLoadPanel);
    m.boardSaved = true;
    return true;
}
