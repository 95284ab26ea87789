#include "tiles/cellpointer.h"

#include "model/murmex.h"
#include "tiles/tilesinplay.h"

namespace {

bool showState(Murmex& m, const Cell& cell)
{
    m.Text2.setText(cell.state);
    return carriesMovableTile(cell.state);
}

} // namespace

bool a_MouseMove(Murmex& m, int q)
{
    return showState(m, m.a[q]);
}

bool bb_MouseMove(Murmex& m, int slot)
{
    return showState(m, m.bb[slot]);
}

bool s_MouseMove(Murmex& m, int cell)
{
    return showState(m, m.s[cell]);
}
