#pragma once

struct Murmex;

// The edits of state strings and pictures that several commands share.

// The leftmost rack slot whose state string holds no tile, or -1.
int firstFreeSlot(const Murmex& m);

// A tile from board square q to rack slot i: letter, value and tile number go along, a blank
// loses its letter and shows its own picture again; the square keeps its number and
// multipliers.
void squareToRack(Murmex& m, int q, int slot);

// Bag cell c and rack slot i exchange their state strings and the tile's picture goes along;
// a blank keeps whatever letter it has.
void bagToRack(Murmex& m, int c, int slot);

// Every cell without a picture gets the empty state string of its kind; a square keeps its
// multipliers.
void säckchen(Murmex& m);
