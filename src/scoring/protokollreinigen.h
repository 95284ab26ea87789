#pragma once

struct Murmex;

// Cancels a tile taken up from the board against the line with which it was laid: the
// newest "-" line of gelegt goes, and every line with the same state string with it.
void protokoll_reinigen(Murmex& m);
