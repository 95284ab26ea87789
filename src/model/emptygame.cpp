#include "model/emptygame.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/originalwerte.h"
#include "model/statestring.h"
#include "model/tileset.h"
#include "model/windowtitle.h"

void emptyGameReset(Murmex& m)
{
    m.punkte.setText(QStringLiteral("0"));
    originalwerte(m);
    for (int i = 1; i <= board::kSquareCount; ++i)
        m.a[i] = {state::emptySquare(i, m.letterFactor[i], m.wordFactor[i]), Picture()};
    for (Cell& slot : m.bb)
        slot = {state::kEmptyCell.toString(), Picture()};
    for (ListBox& list : m.protokoll)
        list.clear();
    for (int i = 1; i <= tiles::kTileCount; ++i)
        m.s[i] = m.o[i];
    m.gelegt.clear();
    m.Ergebnisliste.clear();
    m.ergebnis_sortiert.clear();
    m.title = m.title.left(title::kBaseLength);
    m.Top_5.setText({});
    m.Top_10.setText({});
    m.Top_20.setText({});
}
