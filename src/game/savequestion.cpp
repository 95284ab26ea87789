#include "game/savequestion.h"

#include "game/savecommands.h"
#include "model/murmex.h"
#include "platform/platform.h"

bool saveQuestion(Murmex& m, Platform& platform)
{
    if (m.boardSaved)
        return true;
    if (platform.messages.askYesNo(kSaveQuestionTitle.toString(), kSaveQuestionText.toString(),
            MessageBoxes::Icon::Question)) {
        Command4_Click(m);
        return false;
    }
    m.boardSaved = true;
    return true;
}
