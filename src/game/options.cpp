#include "game/options.h"

#include "game/optionsfile.h"
#include "model/murmex.h"
#include "platform/platform.h"
#include "scoring/resultlists.h"

namespace {

constexpr int kLastListOption = 3;
constexpr int kPlayWithOthers = 4;
constexpr int kPlayAlone = 5;
constexpr int kAskBeforeSaving = 8;
constexpr int kSaveWithoutAsking = 9;

} // namespace

void Option1_Click(Murmex& m, int k)
{
    if (k <= kLastListOption)
        liste_aktualisieren(m);
    else if (k == kPlayWithOthers || k == kPlayAlone) {
        if (m.Option1.isSelected(k))
            m.drawButtonShown = k == kPlayAlone;
    } else if (k == kAskBeforeSaving || k == kSaveWithoutAsking)
        m.quickSaveEnabled = k == kSaveWithoutAsking;
}

void optionen_Command1_Click(Murmex& m, Platform& platform)
{
    if (!writeOptionsFile(m))
        platform.messages.inform(QStringLiteral("A c h t u n g !!!"),
            u"Die Optionen konnten nicht gespeichert werden:\n" + optionsFilePath(m),
            MessageBoxes::Icon::Critical);
}
