#pragma once

#include "model/emptygame.h"
#include "model/murmex.h"
#include "model/originalwerte.h"
#include "model/statestring.h"
#include "model/tileset.h"

#include <QtGlobal>

// Positions for the tests, built the way play would leave them.
namespace fixture {

inline void startEmptyGame(Murmex& m)
{
    m.letterFactor.fill(1);
    m.wordFactor.fill(1);
    originalwerte(m);
    emptyGameReset(m);
}

// Takes a tile bearing the letter out of the bag; a lower-case letter takes a blank.
inline int takeFromBag(Murmex& m, QChar letter)
{
    const QChar wanted = letter.isLower() ? QChar(u'_') : letter;
    for (int n = 1; n <= tiles::kTileCount; ++n) {
        if (m.s[n].showsPicture() && tiles::letterOf(n) == wanted) {
            m.s[n] = {state::kEmptyCell.toString(), Picture()};
            return n;
        }
    }
    qFatal("no tile left in the bag");
    return 0;
}

inline QString tileState(
    const QString& front, QChar letter, int tile, const QString& status, const QString& factors)
{
    const QString value = QStringLiteral("%1").arg(tiles::valueOf(tile), 2, 10, QLatin1Char('0'));
    return front + u' ' + letter + value + u' ' + status + u' ' + factors + u' '
        + state::threeDigits(tile);
}

inline Picture pictureFor(QChar letter, int tile)
{
    return letter.isLower() ? Picture::blankLetter(tiles::blankLetterIndex(letter))
                            : Picture::tile(tile);
}

// A tile laid this turn: movable, the square's own multipliers, booked in gelegt.
inline int lay(Murmex& m, int square, QChar letter)
{
    const int tile = takeFromBag(m, letter);
    const QString factors
        = QString::number(m.letterFactor[square]) + u' ' + QString::number(m.wordFactor[square]);
    m.a[square]
        = {tileState(state::threeDigits(square), letter, tile, QStringLiteral("M"), factors),
            pictureFor(letter, tile)};
    m.gelegt.addItem(u'+' + m.a[square].state);
    return tile;
}

// A tile fixed in an earlier turn: its premium is used up.
inline int fix(Murmex& m, int square, QChar letter)
{
    const int tile = takeFromBag(m, letter);
    m.a[square] = {tileState(state::threeDigits(square), letter, tile, QStringLiteral("F"),
                       QStringLiteral("1 1")),
        pictureFor(letter, tile)};
    return tile;
}

inline int putOnRack(Murmex& m, int slot, QChar letter)
{
    const int tile = takeFromBag(m, letter);
    m.bb[slot] = {tileState(QStringLiteral("___"), letter.isLower() ? QChar(u'_') : letter, tile,
                      QStringLiteral("M"), QStringLiteral("_ _")),
        Picture::tile(tile)};
    return tile;
}

// Any letter still in the bag, for squares where the letter does not matter.
inline QChar anyLetterInBag(const Murmex& m)
{
    for (int n = 1; n <= tiles::kTileCount; ++n)
        if (m.s[n].showsPicture() && tiles::letterOf(n) != u'_')
            return tiles::letterOf(n);
    return u'E';
}

// A crowded middle game: rows G and I full of fixed tiles, so that every tile laid in row H
// forms a cross word.
inline void fixRowsAroundTheCentre(Murmex& m)
{
    for (int square = 91; square <= 105; ++square)
        fix(m, square, anyLetterInBag(m));
    for (int square = 121; square <= 135; ++square)
        fix(m, square, anyLetterInBag(m));
}

// "113H 114A": a square and the letter put on it; a lower-case letter is a blank.
inline void place(Murmex& m, const QString& tiles, int (*put)(Murmex&, int, QChar))
{
    for (const QString& tile : tiles.split(u' ', Qt::SkipEmptyParts))
        put(m, tile.chopped(1).toInt(), tile.back());
}

} // namespace fixture
