#pragma once

struct Murmex;

// Scores the move on the board from scratch: the tiles booked in gelegt must form one
// unbroken line in a row or column, touch a fixed tile (or be the first move) and the centre
// must be covered; punkte shows the points or "0". The words are left in protokoll.
void rechnen(Murmex& m);
