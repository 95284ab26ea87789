#include "model/boardgeometry.h"

namespace board {

QChar rowLetter(int row)
{
    return QChar(u'A' + (row - 1));
}

QString squareName(int square)
{
    return rowLetter(rowOf(square)) + QString::number(columnOf(square));
}

} // namespace board
