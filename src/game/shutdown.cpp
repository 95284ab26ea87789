#include "game/shutdown.h"

#include "game/datadirectory.h"
#include "game/filepanels.h"
#include "game/gamewriter.h"
#include "game/savecommands.h"
#include "game/savequestion.h"
#include "model/murmex.h"
#include "platform/platform.h"

bool Command7_Click(Murmex& m, Platform& platform)
{
    return saveQuestion(m, platform);
}

void Form_Unload(Murmex& m, Platform& platform, const QString& fallbackLocation)
{
    if (m.boardSaved)
        return;
    if (!platform.messages.askYesNo(kSaveQuestionTitle.toString(), kSaveQuestionText.toString(),
            MessageBoxes::Icon::Question)) {
        m.boardSaved = true;
        return;
    }
    if (quickSave(m))
        return;

    const QString failed = m.laden_speichern[kSavePanel].file_komplett;
    const QString rescueDirectory = usableDataDirectory(fallbackLocation);
    const QString rescue = gamePath(rescueDirectory, QStringLiteral("(aktuell)"));
    const QString title = QStringLiteral("A c h t u n g !!!");
    if (!rescueDirectory.isEmpty() && writeGame(m, rescue))
        platform.messages.inform(title,
            u"Das Spiel konnte nicht unter\n" + failed + u"\ngespeichert werden.\n\nEs wurde in\n"
                + rescue + u"\ngesichert.",
            MessageBoxes::Icon::Information);
    else
        platform.messages.inform(title,
            u"Das Spiel konnte nicht gespeichert werden:\n" + failed
                + u"\n\nAuch eine Sicherung im Ausweichverzeichnis war nicht möglich.",
            MessageBoxes::Icon::Critical);
}
