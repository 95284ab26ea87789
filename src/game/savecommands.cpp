#include "game/savecommands.h"

#include "game/filepanels.h"
#include "game/gamewriter.h"
#include "model/murmex.h"
#include "model/windowtitle.h"
#include "platform/platform.h"

#include <QFile>

namespace {

bool existsForReading(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

// The save panel at the data directory, its name the current game name. Its path label
// starts out in the load panel's directory and follows the name only when the name changes.
void aimSavePanel(Murmex& m)
{
    goToDataDirectory(m, kSavePanel);
    FilePanel& save = m.laden_speichern[kSavePanel];
    const QString name = currentGameName(m);
    save.file_komplett = gamePath(m.laden_speichern[kLoadPanel].Dir.text(), name);
    save.Datei.setText(name);
}

void tellNotSaved(Platform& platform, const QString& path)
{
    platform.messages.inform(QStringLiteral("A c h t u n g !!!"),
        u"Das Spiel konnte nicht gespeichert werden:\n" + path
            + u"\n\nBitte einen anderen Namen oder ein anderes Verzeichnis wählen.",
        MessageBoxes::Icon::Critical);
}

} // namespace

void Command4_Click(Murmex& m)
{
    showPanel(m, kSavePanel);
    aimSavePanel(m);
}

void speichern_Click(Murmex& m, Platform& platform)
{
    FilePanel& save = m.laden_speichern[kSavePanel];
    const QString path = save.file_komplett;
    if (!path.endsWith(u"letztes_brett.txt") && existsForReading(path)
        && !platform.messages.askYesNo(QStringLiteral("A c h t u n g !!!"),
            QStringLiteral("die Datei exisiert schon, soll sie überschrieben werden"),
            MessageBoxes::Icon::None))
        return;
    if (!writeGame(m, path)) {
        tellNotSaved(platform, path);
        return;
    }
    save.shown = false;
    m.title = title::withGame(m.title, save.Datei.text());
    m.laden_speichern[kLoadPanel].Datei.setText(save.Datei.text());
    m.boardSaved = true;
}

bool quickSave(Murmex& m)
{
    if (currentGameName(m).isEmpty())
        m.laden_speichern[kLoadPanel].Datei.setText(QStringLiteral("(aktuell)"));
    aimSavePanel(m);
    if (!writeGame(m, m.laden_speichern[kSavePanel].file_komplett))
        return false;
    m.boardSaved = true;
    return true;
}

void Command12_Click(Murmex& m, Platform& platform)
{
    if (!quickSave(m))
        tellNotSaved(platform, m.laden_speichern[kSavePanel].file_komplett);
}
