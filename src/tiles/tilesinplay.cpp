#include "tiles/tilesinplay.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/statestring.h"

#include <algorithm>

namespace {

bool isMovable(const QString& state)
{
    return state::part(state, 9, 9) == u"M";
}

} // namespace

bool showsMovableTile(const Cell& cell)
{
    return cell.showsPicture() && isMovable(cell.state);
}

bool carriesMovableTile(const QString& state)
{
    return state::holdsTile(state) && isMovable(state);
}

int movableTilesOnBoard(const Murmex& m)
{
    return int(std::count_if(m.a.begin() + 1, m.a.end(), showsMovableTile));
}

int tilesInPlay(const Murmex& m)
{
    return movableTilesOnBoard(m)
        + int(std::count_if(
            m.bb.begin(), m.bb.end(), [](const Cell& slot) { return slot.showsPicture(); }));
}
