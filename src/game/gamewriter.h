#pragma once

#include <QByteArray>
#include <QString>

struct Murmex;

// The game file: the state strings of board, bag and rack, the score, the placed tiles and the
// result list, Windows-1252 with CR LF after every line. Result lines shorter than 10
// characters are dropped from ergebnis_sortiert first, so the shown list loses them too.
QByteArray gameFile(Murmex& m);

// Replaces the file as a whole; False when nothing was written and the old file is intact.
bool writeGame(Murmex& m, const QString& path);
