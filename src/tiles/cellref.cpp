#include "tiles/cellref.h"

#include "model/murmex.h"

#include <utility>

const Cell& cellAt(const Murmex& m, CellRef ref)
{
    switch (ref.area) {
    case CellRef::Area::Board:
        return m.a.at(ref.index);
    case CellRef::Area::Rack:
        return m.bb.at(ref.index);
    case CellRef::Area::Bag:
        break;
    }
    return m.s.at(ref.index);
}

Cell& cellAt(Murmex& m, CellRef ref)
{
    return const_cast<Cell&>(cellAt(std::as_const(m), ref));
}
