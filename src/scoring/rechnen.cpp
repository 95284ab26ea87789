#include "scoring/rechnen.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/statestring.h"
#include "model/tileset.h"
#include "scoring/wordscan.h"

namespace {

enum class Kind { None, Single, Horizontal, Vertical };

constexpr int kTilesLeftOnFirstMove = tiles::kTileCount - 7;
constexpr int kBonusTiles = 7;
constexpr int kBonus = 50;

int squareOf(const QString& line)
{
    return state::view(line, 2, 4).toInt();
}

Kind kindOf(const ListBox& gelegt)
{
    if (gelegt.count() == 1)
        return Kind::Single;
    if (gelegt.count() < 2)
        return Kind::None;
    const int first = squareOf(gelegt.line(0));
    const int second = squareOf(gelegt.line(1));
    if ((second - first) % board::kRowLength == 0)
        return Kind::Vertical;
    if (second >= board::rowStart(first) && second <= board::rowEnd(first))
        return Kind::Horizontal;
    return Kind::None;
}

// The main word must run without gaps; a row must not run on into the next one.
bool isUnbroken(const Murmex& m, Kind kind)
{
    if (kind != Kind::Horizontal && kind != Kind::Vertical)
        return true;
    const ListBox& word = m.protokoll[0];
    const int step = kind == Kind::Vertical ? board::kRowLength : 1;
    for (int k = 1; k < word.count(); ++k)
        if (squareOf(word.line(k)) - squareOf(word.line(k - 1)) != step)
            return false;
    if (kind == Kind::Horizontal) {
        const int row = board::rowOf(squareOf(word.line(0)));
        return board::rowOf(squareOf(word.line(word.count() - 1))) == row;
    }
    return true;
}

// Only tiles laid in this move carry multipliers; a fixed tile's square reads "1 1".
int wordScore(const ListBox& word)
{
    if (word.count() < 2)
        return 0;
    int sum = 0;
    int factor = 1;
    for (const QString& line : word.lines()) {
        sum += state::view(line, 7, 8).toInt() * state::view(line, 12, 12).toInt();
        factor *= state::view(line, 14, 14).toInt();
    }
    return sum * factor;
}

int tilesInBag(const Murmex& m)
{
    int count = 0;
    for (int n = 1; n <= tiles::kTileCount; ++n)
        if (state::holdsTile(m.s[n].state))
            ++count;
    return count;
}

} // namespace

void rechnen(Murmex& m)
{
    if (m.spielsituationShown)
        return;
    for (ListBox& word : m.protokoll)
        word.clear();
    m.wordFound = false;
    m.punkte.setText(QStringLiteral("0"));

    const int laid = m.gelegt.count();
    // Seven cross-word lists: a larger move, possible after a game situation, cannot count.
    if (laid > kBonusTiles)
        return;
    // A damaged game file may book squares that are not on the board.
    for (const QString& line : m.gelegt.lines())
        if (squareOf(line) < 1 || squareOf(line) > board::kSquareCount)
            return;

    const Kind kind = kindOf(m.gelegt);
    switch (kind) {
    case Kind::Single:
        m.protokoll[0].addItem(m.gelegt.line(0));
        m.protokoll[1].addItem(m.gelegt.line(0));
        waagrecht_suchen(m, 0);
        break;
    case Kind::Horizontal:
    case Kind::Vertical:
        for (int k = 0; k < laid; ++k) {
            m.protokoll[0].addItem(m.gelegt.line(k));
            m.protokoll[k + 1].addItem(m.gelegt.line(k));
        }
        for (int k = 0; k < laid; ++k)
            kind == Kind::Horizontal ? senkrecht_suchen(m, k) : waagrecht_suchen(m, k);
        kind == Kind::Horizontal ? w_suchen(m, 0) : s_suchen(m, 0);
        break;
    case Kind::None:
        break;
    }
    for (int k = 0; k < laid; ++k)
        m.protokoll[k].removeAdjacentDuplicates();
    if (!isUnbroken(m, kind))
        return;

    if (tilesInBag(m) == kTilesLeftOnFirstMove)
        m.wordFound = true;
    if (!m.wordFound || !m.a[board::kCentre].showsPicture())
        return;
    int points = 0;
    for (const ListBox& word : m.protokoll)
        points += wordScore(word);
    if (laid == kBonusTiles)
        points += kBonus;
    m.punkte.setText(QString::number(points));
}
