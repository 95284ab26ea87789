#pragma once

struct Cell;
struct Murmex;

// Names one board square, rack slot or bag cell: where a dragged tile came from.
struct CellRef
{
    enum class Area { Board, Rack, Bag };

    Area area = Area::Board;
    int index = 0;

    static constexpr CellRef board(int square) { return {Area::Board, square}; }
    static constexpr CellRef rack(int slot) { return {Area::Rack, slot}; }
    static constexpr CellRef bag(int cell) { return {Area::Bag, cell}; }

    friend constexpr bool operator==(CellRef, CellRef) = default;
};

Cell& cellAt(Murmex& m, CellRef ref);
const Cell& cellAt(const Murmex& m, CellRef ref);
