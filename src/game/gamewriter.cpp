#include "game/gamewriter.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/tileset.h"
#include "platform/sequentialwriter.h"
#include "scoring/resultline.h"

namespace {

constexpr int kShortestResultLine = 10;

SequentialWriter gameWriter(Murmex& m)
{
    SequentialWriter file;
    for (int i = 1; i <= board::kSquareCount; ++i)
        file.writeText(m.a[i].state);
    for (int i = 1; i <= tiles::kTileCount; ++i)
        file.writeText(m.s[i].state);
    for (const Cell& slot : m.bb)
        file.writeText(slot.state);
    file.writeText(m.punkte.text());

    file.writeNumber(m.gelegt.count());
    for (const QString& line : m.gelegt.lines())
        file.writeText(line);

    ListBox& results = m.ergebnis_sortiert;
    for (int i = results.count() - 1; i >= 0; --i)
        if (results.line(i).size() < kShortestResultLine)
            results.removeItem(i);
    // The count includes the separators, which are not written: the reader makes them anew.
    file.writeNumber(results.count());
    for (const QString& line : results.lines())
        if (line != resultline::kSeparator)
            file.writeQuoted(line);
    return file;
}

} // namespace

QByteArray gameFile(Murmex& m)
{
    return gameWriter(m).bytes();
}

bool writeGame(Murmex& m, const QString& path)
{
    return gameWriter(m).saveTo(path);
}
