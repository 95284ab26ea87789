#pragma once

#include <QString>

struct Cell;
struct Murmex;

inline constexpr int kTilesPerPlayer = 7;

// A tile that may still be moved: its cell shows a picture and its status is "M".
bool showsMovableTile(const Cell& cell);
// The state string alone says so: letter and value present, status "M".
bool carriesMovableTile(const QString& state);

int movableTilesOnBoard(const Murmex& m);
// Movable tiles on the board plus tiles on the rack; a player holds at most seven.
int tilesInPlay(const Murmex& m);
