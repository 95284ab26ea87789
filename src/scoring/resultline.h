#pragma once

#include <QString>
#include <QStringView>

// A result line: a 4-character score field (right-aligned points and one blank), the word,
// and the names of its first and last square: " 23 HAUS H8 - H11".
namespace resultline {

inline constexpr QStringView kSeparator = u"    ---------------";

// "  7 ", " 23 ", "123 "; a score of 1000 or more makes the field longer.
QString scoreField(const QString& points);
// The number in the first four characters.
int scoreOf(const QString& line);

} // namespace resultline
