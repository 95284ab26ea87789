#pragma once

struct Murmex;

// The mouse over a cell: Text2 shows the cell's state string. True when the pointer is to
// show that the tile under it can be moved.
bool a_MouseMove(Murmex& m, int q);
bool bb_MouseMove(Murmex& m, int slot);
bool s_MouseMove(Murmex& m, int cell);
