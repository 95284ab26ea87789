#include "lists/candidatelist.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/statestring.h"
#include "model/tileset.h"
#include "platform/platform.h"
#include "scoring/resultline.h"
#include "scoring/resultlists.h"
#include "tiles/blankoersatz.h"

namespace {

// A single laid tile forms a word across and one down; the longer one is listed, a tie goes
// to the word across.
const ListBox& listedWord(const Murmex& m)
{
    if (m.gelegt.count() == 1 && m.protokoll[1].count() >= m.protokoll[0].count())
        return m.protokoll[1];
    return m.protokoll[0];
}

// Only a character a blank can stand for is taken; anything else brings the dialog back.
QChar askBlankLetter(Murmex& m, Platform& platform)
{
    m.Text4.setText({});
    while (m.Text4.text().size() != 1 || tiles::blankLetterIndex(m.Text4.text().front()) == 0)
        showBlankoersatz(m, platform);
    return m.Text4.text().front();
}

int squareOf(const QString& line)
{
    return state::part(line, 2, 4).toInt();
}

} // namespace

void Command6_Click(Murmex& m, Platform& platform)
{
    const QString score = resultline::scoreField(m.punkte.text());
    if (m.protokoll[0].isEmpty() || m.punkte.text() == u"0")
        return;
    const ListBox& word = listedWord(m);
    QString letters;
    for (const QString& line : word.lines()) {
        const QChar letter = state::part(line, 6, 6).front();
        letters += letter == u'_' ? askBlankLetter(m, platform) : letter;
    }
    const QString line = score + letters + u' ' + board::squareName(squareOf(word.line(0))) + u" - "
        + board::squareName(squareOf(word.line(word.count() - 1)));
    if (!m.Ergebnisliste.lines().contains(line))
        m.Ergebnisliste.addItem(line);
    liste_aktualisieren(m);
}

bool hasSelectedEntry(const Murmex& m)
{
    return m.selectedEntry >= 0 && m.selectedEntry < m.ergebnis_sortiert.count();
}

void mnu_loeschen_Click(Murmex& m, Platform& platform)
{
    if (!hasSelectedEntry(m))
        return;
    m.Top_5.setText({});
    m.Top_10.setText({});
    m.Top_20.setText({});
    const QString line = m.ergebnis_sortiert.line(m.selectedEntry);
    const bool yes = platform.messages.askYesNo(QStringLiteral("A c h t u n g !!!"),
        u"Soll \"" + line + u"\" gelöscht werden?", MessageBoxes::Icon::Critical);
    if (yes) {
        for (int i = m.Ergebnisliste.count() - 1; i >= 0; --i)
            if (m.Ergebnisliste.line(i) == line)
                m.Ergebnisliste.removeItem(i);
        m.ergebnis_sortiert.removeItem(m.selectedEntry);
    }
    liste_aktualisieren(m);
}

void mnu_alles_öschen_Click(Murmex& m)
{
    m.ergebnis_sortiert.clear();
    m.Ergebnisliste.clear();
    m.Top_5.setText({});
    m.Top_10.setText({});
    m.Top_20.setText({});
}

ResultListMenu ergebnis_sortiert_MouseDown(Murmex& m, int selectedIndex, MouseButton button)
{
    m.selectedEntry = selectedIndex;
    switch (button) {
    case MouseButton::Left:
        return ResultListMenu::Word;
    case MouseButton::Right:
        return ResultListMenu::List;
    case MouseButton::Other:
        break;
    }
    return ResultListMenu::None;
}
