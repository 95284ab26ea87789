#include "tiles/dragging.h"

#include "model/murmex.h"
#include "model/statestring.h"
#include "model/tileset.h"
#include "platform/platform.h"
#include "scoring/protokollreinigen.h"
#include "scoring/rechnen.h"
#include "tiles/blankoersatz.h"
#include "tiles/cellmoves.h"
#include "tiles/tilesinplay.h"

namespace {

bool wasTakenUp(const Murmex& m, CellRef source)
{
    return source.area == CellRef::Area::Board && source.index == m.dragSourceSquare;
}

// The press booked the tile as taken up; when it does not leave its square after all, it is
// laid there again, or the move would be scored without it.
bool layBackIfTakenUp(Murmex& m, CellRef source)
{
    if (!wasTakenUp(m, source))
        return false;
    m.gelegt.addItem(u'+' + m.a[source.index].state);
    return true;
}

void askBlankLetter(Murmex& m, Platform& platform, Cell& square)
{
    do {
        m.nr.setText({});
        showBlankoersatz(m, platform);
    } while (m.nr.text().size() != 3);
    square.picture = Picture::blankLetter(state::part(m.nr.text(), 2, 3).toInt());
    square.state
        = state::part(square.state, 1, 4) + m.nr.text().front() + state::part(square.state, 6, 17);
}

void layOnSquare(Murmex& m, Platform& platform, Cell& square, Cell& source)
{
    square.picture = source.picture;
    square.state = state::part(square.state, 1, 4) + state::part(source.state, 5, 7)
        + state::part(square.state, 8, 14) + state::part(source.state, 15, 17);
    source.picture = Picture();
    if (state::part(square.state, 5, 5) == u"_")
        askBlankLetter(m, platform, square);
    m.gelegt.addItem(u'+' + square.state);
    säckchen(m);
    platform.sound.beep();
}

void finishBoardDrop(Murmex& m)
{
    if (m.bagHidden)
        protokoll_reinigen(m);
    if (!m.spielsituationShown)
        rechnen(m);
    m.dragSourceSquare = 0;
}

} // namespace

bool a_MouseDown(Murmex& m, int q)
{
    const QString& square = m.a[q].state;
    if (!carriesMovableTile(square))
        return false;
    m.dragSourceSquare = q;
    m.gelegt.addItem(u'-' + square);
    protokoll_reinigen(m);
    if (!m.spielsituationShown)
        rechnen(m);
    return true;
}

bool bb_MouseDown(Murmex& m, int slot)
{
    m.dragSourceSquare = 0;
    return state::part(m.bb[slot].state, 15, 17) != u"___";
}

bool s_MouseDown(const Murmex& m, int cell)
{
    return state::part(m.s[cell].state, 15, 17) != u"___";
}

void a_GotFocus(Murmex& m)
{
    m.focusArea = QStringLiteral("Brett");
}

void bb_GotFocus(Murmex& m)
{
    m.focusArea = QStringLiteral("Bänkchen");
}

void s_GotFocus(Murmex& m)
{
    m.focusArea = QStringLiteral("Säckchen");
}

void a_DragDrop(Murmex& m, Platform& platform, int q, CellRef source)
{
    m.boardSaved = false;
    m.wordFound = false;
    m.dropSquare = q;
    Cell& square = m.a[q];
    // Released where it was taken up: the tile never left, so neither the limit nor the mode
    // can refuse it.
    if (source == CellRef::board(q) && wasTakenUp(m, source)) {
        layBackIfTakenUp(m, source);
        finishBoardDrop(m);
        return;
    }
    // The limit and the mode refuse silently, a fixed square with one beep.
    const bool refusedSilently = (tilesInPlay(m) > kTilesPerPlayer && !m.spielsituationShown)
        || (!m.bagHidden && !m.situationAllowed);
    const bool onFixedTile = !refusedSilently && state::isFixed(square.state);
    if (onFixedTile)
        platform.sound.beep();
    if (refusedSilently || onFixedTile) {
        if (layBackIfTakenUp(m, source))
            finishBoardDrop(m);
        return;
    }
    if (!square.showsPicture()) {
        layOnSquare(m, platform, square, cellAt(m, source));
    } else {
        platform.sound.beep();
        platform.sound.beep();
        layBackIfTakenUp(m, source);
    }
    finishBoardDrop(m);
}

void bb_DragDrop(Murmex& m, Platform& platform, int slot, CellRef source)
{
    // Only tiles from the bag are held back: fewer than seven may be in play.
    if (tilesInPlay(m) >= kTilesPerPlayer && m.focusArea == u"Säckchen")
        return;
    Cell& rack = m.bb[slot];
    Cell& from = cellAt(m, source);
    bool laidBack = false;
    if (!rack.showsPicture()) {
        rack.picture = from.picture;
        rack.state = state::part(rack.state, 1, 4) + state::part(from.state, 5, 7)
            + state::part(rack.state, 8, 14) + state::part(from.state, 15, 17);
        // Back on the rack a blank is a blank again.
        if (state::isBlank(rack.state)) {
            rack.state = state::part(rack.state, 1, 4) + u'_' + state::part(rack.state, 6, 17);
            rack.picture = Picture::tile(state::tileNumber(rack.state));
        }
        from.picture = Picture();
        from.state
            = state::part(from.state, 1, 4) + u"___ M " + state::part(from.state, 11, 14) + u"___";
        m.boardSaved = false;
    } else {
        platform.sound.beep();
        laidBack = layBackIfTakenUp(m, source);
    }
    if (m.bagHidden)
        protokoll_reinigen(m);
    if ((m.bagHidden || laidBack) && !m.spielsituationShown)
        rechnen(m);
}

void s_DragDrop(Murmex& m, Platform& platform, CellRef source)
{
    m.dragSourceSquare = 0;
    Cell& from = cellAt(m, source);
    const int tile = state::tileNumber(from.state);
    // A damaged game file may carry any tile number; such a tile has no home in the bag.
    if (tile < 1 || tile > tiles::kTileCount || m.s[tile].showsPicture()) {
        platform.sound.beep();
        return;
    }
    // A blank keeps its letter in the bag; only the rack takes it away.
    m.s[tile]
        = {u"___ " + state::part(from.state, 5, 7) + u" M _ _ " + state::part(from.state, 15, 17),
            from.picture};
    from.picture = Picture();
    if (source.area == CellRef::Area::Board) {
        const int q = source.index;
        from.state = state::emptySquare(q, m.letterFactor[q], m.wordFactor[q]);
    } else {
        from.state = state::kEmptyCell.toString();
    }
    säckchen(m);
    m.boardSaved = false;
}

void dragEndedOutside(Murmex& m, CellRef source)
{
    if (!layBackIfTakenUp(m, source))
        return;
    if (!m.spielsituationShown)
        rechnen(m);
    m.dragSourceSquare = 0;
}
