#pragma once

#include <QChar>
#include <QString>

// The German set of 102 tiles, numbered 1..102 in alphabetical order; 101 and 102 are blanks.
namespace tiles {

inline constexpr int kTileCount = 102;

// "_" for a blank.
QChar letterOf(int tileNumber);
int valueOf(int tileNumber);

// The blanks' letters in the order of the blank letter cells bl(1)..bl(30); the last one
// stands for a blank without letter.
QString blankAlphabet();
// 1..30, or 0 when the character is not in the blank alphabet.
int blankLetterIndex(QChar letter);

} // namespace tiles
