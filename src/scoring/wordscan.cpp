#include "scoring/wordscan.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/statestring.h"

namespace {

enum class Direction { Left = -1, Right = 1, Up = -board::kRowLength, Down = board::kRowLength };

int limitOf(int square, Direction direction)
{
    switch (direction) {
    case Direction::Left:
        return board::rowStart(square);
    case Direction::Right:
        return board::rowEnd(square);
    case Direction::Up:
        return board::columnTop(square);
    case Direction::Down:
        break;
    }
    return board::columnBottom(square);
}

// Movable tiles on the way are passed over: they are in the list already.
void walk(Murmex& m, int start, Direction direction, ListBox& target)
{
    const int step = int(direction);
    const int limit = limitOf(start, direction);
    for (int p = start; step < 0 ? p > limit : p < limit;) {
        p += step;
        const QString& square = m.a[p].state;
        if (!state::holdsTile(square))
            return;
        if (!state::isFixed(square))
            continue;
        target.addItem(u'+' + square);
        m.wordFound = true;
    }
}

int startSquare(const Murmex& m, int j)
{
    return state::view(m.gelegt.line(j), 2, 4).toInt();
}

} // namespace

void w_suchen(Murmex& m, int j)
{
    const int n = startSquare(m, j);
    walk(m, n, Direction::Left, m.protokoll[j]);
    walk(m, n, Direction::Right, m.protokoll[j]);
    m.protokoll[j].removeAdjacentDuplicates();
}

void s_suchen(Murmex& m, int j)
{
    const int n = startSquare(m, j);
    walk(m, n, Direction::Up, m.protokoll[j]);
    walk(m, n, Direction::Down, m.protokoll[j]);
}

void waagrecht_suchen(Murmex& m, int j)
{
    const int n = startSquare(m, j);
    walk(m, n, Direction::Left, m.protokoll[j + 1]);
    walk(m, n, Direction::Right, m.protokoll[j + 1]);
    walk(m, n, Direction::Down, m.protokoll[0]);
    walk(m, n, Direction::Up, m.protokoll[0]);
    m.protokoll[0].removeAdjacentDuplicates();
}

void senkrecht_suchen(Murmex& m, int j)
{
    const int n = startSquare(m, j);
    walk(m, n, Direction::Up, m.protokoll[j + 1]);
    walk(m, n, Direction::Down, m.protokoll[j + 1]);
    walk(m, n, Direction::Right, m.protokoll[0]);
    walk(m, n, Direction::Left, m.protokoll[0]);
    m.protokoll[0].removeAdjacentDuplicates();
}
