#pragma once

#include <QString>

// Squares are numbered 1..225 row by row from the top left; rows are lettered A..O,
// columns numbered 1..15.
namespace board {

inline constexpr int kRowLength = 15;
inline constexpr int kSquareCount = 225;
inline constexpr int kCentre = 113;

constexpr int rowOf(int square)
{
    return (square - 1) / kRowLength + 1;
}
constexpr int columnOf(int square)
{
    return (square - 1) % kRowLength + 1;
}
constexpr int squareAt(int row, int column)
{
    return (row - 1) * kRowLength + column;
}

constexpr int rowStart(int square)
{
    return squareAt(rowOf(square), 1);
}
constexpr int rowEnd(int square)
{
    return rowStart(square) + kRowLength - 1;
}
constexpr int columnTop(int square)
{
    return columnOf(square);
}
constexpr int columnBottom(int square)
{
    return squareAt(kRowLength, columnOf(square));
}

QChar rowLetter(int row);
// "H8" for square 113: the row letter and the column without leading zero.
QString squareName(int square);

} // namespace board
