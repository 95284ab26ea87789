#pragma once

struct Murmex;

// Double-clicks move a tile in one go.

// A movable board tile back to the leftmost free rack slot; the move is rescored whatever the
// square holds.
void a_DblClick(Murmex& m, int q);
// A rack tile to the rightmost free slot, so that the player can rearrange the rack.
void bb_DblClick(Murmex& m, int slot);
// A bag tile to the leftmost free rack slot while fewer than seven tiles are in play.
void s_DblClick(Murmex& m, int cell);
