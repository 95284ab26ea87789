#pragma once

#include <QString>

namespace title {

inline constexpr int kBaseLength = 41;

// "Murmex-Calculator  V 2.5.2" padded with blanks to 41 characters.
QString base();
// The first 41 characters of the current title followed by the game's name.
QString withGame(const QString& currentTitle, const QString& gameName);

} // namespace title
