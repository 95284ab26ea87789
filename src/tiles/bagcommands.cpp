#include "tiles/bagcommands.h"

#include "model/murmex.h"
#include "model/tileset.h"
#include "platform/platform.h"
#include "tiles/cellmoves.h"
#include "tiles/tilesinplay.h"
#include "tiles/turncommands.h"

#include <QList>

#include <algorithm>

namespace {

constexpr int kFixAtOnce = 2;

bool fixOnHiding(const Murmex& m, Platform& platform)
{
    if (m.Option1.isSelected(kFixAtOnce))
        return true;
    if (movableTilesOnBoard(m) == 0)
        return false;
    return platform.messages.askYesNo(QStringLiteral("A c h t u n g !!!"),
        QStringLiteral("Sollen die gelegten Buchstaben jetzt fixiert werden?"),
        MessageBoxes::Icon::Question);
}

QList<int> bagCellsWithTiles(const Murmex& m)
{
    QList<int> cells;
    for (int n = 1; n <= tiles::kTileCount; ++n)
        if (showsMovableTile(m.s[n]))
            cells.append(n);
    return cells;
}

} // namespace

void Command2_Click(Murmex& m, Platform& platform)
{
    if (m.bagHidden) {
        m.bagHidden = false;
        return;
    }
    if (fixOnHiding(m, platform)) {
        m.situationAllowed = false;
        Command3_Click(m);
    }
    m.bagHidden = true;
    m.spielsituationShown = false;
}

void Command9_Click(Murmex& m, Platform& platform)
{
    platform.random.seedFromClock();
    while (tilesInPlay(m) < kTilesPerPlayer) {
        const QList<int> cells = bagCellsWithTiles(m);
        const int slot = firstFreeSlot(m);
        if (cells.isEmpty() || slot < 0)
            return;
        const int r = int(cells.size() * platform.random.uniform() + 1);
        bagToRack(m, cells[std::clamp(r, 1, int(cells.size())) - 1], slot);
        m.boardSaved = false;
    }
}
