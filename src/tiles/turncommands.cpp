#include "tiles/turncommands.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/statestring.h"
#include "platform/platform.h"
#include "scoring/resultlists.h"
#include "tiles/cellmoves.h"
#include "tiles/tilesinplay.h"

namespace {

constexpr int kClearListsOnFixing = 6;

} // namespace

void Command1_Click(Murmex& m)
{
    for (int q = 1; q <= board::kSquareCount; ++q) {
        if (!carriesMovableTile(m.a[q].state))
            continue;
        const int slot = firstFreeSlot(m);
        if (slot >= 0)
            squareToRack(m, q, slot);
    }
    for (ListBox& word : m.protokoll)
        word.clear();
    m.punkte.setText(QStringLiteral("0"));
    m.gelegt.clear();
    m.boardSaved = false;
}

void Command3_Click(Murmex& m)
{
    for (int q = 1; q <= board::kSquareCount; ++q) {
        Cell& square = m.a[q];
        if (square.showsPicture())
            square.state
                = state::part(square.state, 1, 8) + u"F 1 1" + state::part(square.state, 14, 17);
    }
    m.gelegt.clear();
    if (m.Option1.isSelected(kClearListsOnFixing))
        listen_löschen(m);
    m.boardSaved = false;
}

void mnu_sos_Click(Murmex& m)
{
    m.releaseChecked = !m.releaseChecked;
}

void a_Click(Murmex& m, Platform& platform, int q)
{
    if (!m.releaseChecked)
        return;
    Cell& square = m.a[q];
    const bool yes = platform.messages.askYesNo(QStringLiteral("A c h t u n g !!!"),
        u"Sollen der Buchstabe " + state::part(square.state, 5, 5) + u" wieder gelöst werden?",
        MessageBoxes::Icon::Question);
    if (yes) {
        square.state = state::part(square.state, 1, 8) + u"M " + QString::number(m.letterFactor[q])
            + u' ' + QString::number(m.wordFactor[q]) + state::part(square.state, 14, 17);
        m.spielsituationShown = true;
        m.bagHidden = false;
        m.situationAllowed = true;
        m.boardSaved = false;
    }
    // One release needs one new check of the menu item.
    m.releaseChecked = false;
}

void Command5_Click(Murmex& m)
{
    m.bagHidden = false;
    m.situationAllowed = true;
    m.spielsituationShown = true;
}
