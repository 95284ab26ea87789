#include "tiles/doubleclick.h"

#include "model/murmex.h"
#include "scoring/protokollreinigen.h"
#include "scoring/rechnen.h"
#include "tiles/cellmoves.h"
#include "tiles/tilesinplay.h"

#include <utility>

void a_DblClick(Murmex& m, int q)
{
    const int slot = carriesMovableTile(m.a[q].state) ? firstFreeSlot(m) : -1;
    // Only a tile that leaves its square is taken out of the move; one that stays for want of
    // a free slot stays booked and scored.
    if (slot >= 0) {
        m.gelegt.addItem(u'-' + m.a[q].state);
        squareToRack(m, q, slot);
        m.boardSaved = false;
    }
    protokoll_reinigen(m);
    rechnen(m);
}

void bb_DblClick(Murmex& m, int slot)
{
    for (int i = int(m.bb.size()) - 1; i >= 0; --i) {
        if (m.bb[i].showsPicture())
            continue;
        if (i != slot && m.bb[slot].showsPicture())
            m.boardSaved = false;
        std::swap(m.bb[i], m.bb[slot]);
        return;
    }
}

void s_DblClick(Murmex& m, int cell)
{
    if (tilesInPlay(m) >= kTilesPerPlayer && m.focusArea == u"Säckchen")
        return;
    const int slot = firstFreeSlot(m);
    if (slot < 0)
        return;
    if (m.s[cell].showsPicture())
        m.boardSaved = false;
    bagToRack(m, cell, slot);
}
