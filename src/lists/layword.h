#pragma once

struct Murmex;

// "Wort legen": the movable tiles go back to the rack and the word of the selected result
// line is laid again from the rack, as far as its letters are there, and scored.
void mnu_wunsch_Click(Murmex& m);
