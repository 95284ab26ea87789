#include "tiles/cellmoves.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/statestring.h"
#include "model/tileset.h"

#include <utility>

int firstFreeSlot(const Murmex& m)
{
    for (int i = 0; i < int(m.bb.size()); ++i)
        if (!state::holdsTile(m.bb[i].state))
            return i;
    return -1;
}

void squareToRack(Murmex& m, int q, int slot)
{
    Cell& square = m.a[q];
    Cell& rack = m.bb[slot];
    rack.picture = Picture::tile(state::tileNumber(square.state));
    rack.state
        = u"___ " + state::part(square.state, 5, 10) + u"_ _ " + state::part(square.state, 15, 17);
    // Back on the rack a blank is a blank again.
    if (state::isBlank(rack.state))
        rack.state = state::part(rack.state, 1, 4) + u'_' + state::part(rack.state, 6, 17);
    square.picture = Picture();
    square.state
        = state::part(square.state, 1, 4) + u"___ M " + state::part(square.state, 11, 13) + u" ___";
}

void bagToRack(Murmex& m, int c, int slot)
{
    Cell& bag = m.s[c];
    Cell& rack = m.bb[slot];
    std::swap(bag.state, rack.state);
    rack.picture = bag.picture;
    bag.picture = Picture();
}

void säckchen(Murmex& m)
{
    for (int n = 1; n <= tiles::kTileCount; ++n)
        if (!m.s[n].showsPicture())
            m.s[n].state = state::kEmptyCell.toString();
    for (int q = 1; q <= board::kSquareCount; ++q) {
        Cell& square = m.a[q];
        if (!square.showsPicture())
            square.state
                = state::threeDigits(q) + u" ___ M" + state::part(square.state, 10, 14) + u"___";
    }
    for (Cell& slot : m.bb)
        if (!slot.showsPicture())
            slot.state = state::kEmptyCell.toString();
}
