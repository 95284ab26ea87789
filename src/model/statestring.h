#pragma once

#include <QString>

// The 17-character text every cell carries: square, letter and value, status, letter and
// word multiplier, tile number. Fields are read and written by position (1-based), never by
// splitting, and a string of the wrong length is used as it is.
namespace state {

inline constexpr QStringView kEmptyCell = u"___ ___ M _ _ ___";

// Positions from..to, both included; shorter at the end of a short string.
inline QString part(const QString& text, int from, int to)
{
    return text.mid(from - 1, to - from + 1);
}

// The same field without a copy, for reading it.
inline QStringView view(const QString& text, int from, int to)
{
    return QStringView(text).mid(from - 1, to - from + 1);
}

inline QString threeDigits(int number)
{
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

inline bool holdsTile(const QString& text)
{
    return view(text, 5, 7) != u"___";
}
inline bool isFixed(const QString& text)
{
    return view(text, 9, 9) == u"F";
}
inline bool isBlank(const QString& text)
{
    return view(text, 6, 7) == u"00";
}
inline int tileNumber(const QString& text)
{
    return view(text, 15, 17).toInt();
}
inline int squareNumber(const QString& text)
{
    return view(text, 1, 3).toInt();
}

// An empty board square with its own number and multipliers.
QString emptySquare(int square, int letterFactor, int wordFactor);

} // namespace state
