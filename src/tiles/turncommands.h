#pragma once

struct Murmex;

// "Aufräumen": every movable tile on the board back to the rack, in square order into the
// leftmost free slots; the move's lists and points are emptied.
void Command1_Click(Murmex& m);
