#pragma once

struct Murmex;
struct Platform;

// "&laden" in the load panel: replaces board, bag, rack and lists with the game file named by
// the panel's path label, rescores it and shows the game's name in the title. The file is
// checked completely first: one that cannot be opened, ends before the score or names a tile
// that does not exist leaves the game as it was and is reported. An empty path and the files
// "readme.txt" and "optionen.txt" are refused silently. The saved flag stays as it is.
void laden_Click(Murmex& m, Platform& platform);
