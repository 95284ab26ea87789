#pragma once

struct Murmex;
struct Platform;

// "Neues Spiel" and its menu item: after the save question, the empty game. The current game
// name stays, so a quick save still goes to the game last loaded or saved.
void neu_Click(Murmex& m, Platform& platform);
