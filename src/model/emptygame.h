#pragma once

struct Murmex;

// Every tile back in its own bag cell, an empty board and rack, no lists, the base title.
// Saved flag, game name, panels, play mode and options are left as they are.
void emptyGameReset(Murmex& m);
