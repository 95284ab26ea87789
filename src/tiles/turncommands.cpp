#include "tiles/turncommands.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/statestring.h"

namespace {

int firstFreeSlot(const Murmex& m)
{
    for (int i = 0; i < int(m.bb.size()); ++i)
        if (!state::holdsTile(m.bb[i].state))
            return i;
    return -1;
}

} // namespace

void Command1_Click(Murmex& m)
{
    for (int q = 1; q <= board::kSquareCount; ++q) {
        Cell& square = m.a[q];
        if (!state::holdsTile(square.state) || state::isFixed(square.state))
            continue;
        const int i = firstFreeSlot(m);
        if (i < 0)
            continue;
        Cell& slot = m.bb[i];
        slot.picture = Picture::tile(state::tileNumber(square.state));
        slot.state = u"___ " + state::part(square.state, 5, 10) + u"_ _ "
            + state::part(square.state, 15, 17);
        // Back on the rack a blank is a blank again.
        if (state::isBlank(slot.state))
            slot.state = state::part(slot.state, 1, 4) + u'_' + state::part(slot.state, 6, 17);
        square.picture = Picture();
        square.state = state::part(square.state, 1, 4) + u"___ M "
            + state::part(square.state, 11, 13) + u" ___";
    }
    for (ListBox& word : m.protokoll)
        word.clear();
    m.punkte.setText(QStringLiteral("0"));
    m.gelegt.clear();
    m.boardSaved = false;
}
