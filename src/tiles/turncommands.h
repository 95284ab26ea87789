#pragma once

struct Murmex;
struct Platform;

// "Aufräumen": every movable tile on the board back to the rack, in square order into the
// leftmost free slots; the move's lists and points are emptied.
void Command1_Click(Murmex& m);

// "Buchstaben auf Brett fixieren": every tile on the board becomes fixed and its premium is
// used up; the move's booking ends, and the result lists with it when the option says so.
void Command3_Click(Murmex& m);

// "Buchstabe vom Brett wieder lösen" toggles its check mark; while it is checked, a click on
// a square asks whether to release that tile, which opens the game-situation mode.
void mnu_sos_Click(Murmex& m);
void a_Click(Murmex& m, Platform& platform, int q);

// "Spielsituation legen": tiles may go from the bag straight onto the board, unscored.
void Command5_Click(Murmex& m);
