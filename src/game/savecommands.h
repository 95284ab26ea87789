#pragma once

struct Murmex;
struct Platform;

// "Spiel speichern unter" and its menu item: the save panel in the data directory, with the
// current game name.
void Command4_Click(Murmex& m);

// "&speichern" in the save panel: asks before replacing a file (except "letztes_brett"),
// writes the game and makes its name the current game name. A declined question or a failed
// write leaves the panel open and the game as unsaved as it was.
void speichern_Click(Murmex& m, Platform& platform);

// Writes the game under the current game name, "(aktuell)" when there is none, without a
// panel or a question. False when the file could not be written; the board then stays
// unsaved.
bool quickSave(Murmex& m);
// "Spiel speichern": the quick save, telling the player when it failed.
void Command12_Click(Murmex& m, Platform& platform);
