#pragma once

struct Murmex;

// The scans complete the words of a move: starting at the laid tile gelegt(j) they walk along
// its row or column and add every fixed tile that hangs together with it. Adding a fixed
// tile sets wordFound: the move touches the tiles already on the board.

// Along the row into protokoll(j), then duplicates removed.
void w_suchen(Murmex& m, int j);
// Along the column into protokoll(j).
void s_suchen(Murmex& m, int j);
// Along the row into protokoll(j + 1), along the column into protokoll(0).
void waagrecht_suchen(Murmex& m, int j);
// Along the column into protokoll(j + 1), along the row into protokoll(0).
void senkrecht_suchen(Murmex& m, int j);
