#pragma once

struct Murmex;
struct Platform;

// "Säckchen zeigen" / "Säckchen verbergen": the bag takes the place of the points so that new
// tiles can go onto the rack; hiding it returns to play and offers to fix what was laid.
void Command2_Click(Murmex& m, Platform& platform);

// "Buchstaben ziehen": random tiles from the bag into the leftmost free rack slots until
// seven are in play. Stops early when the bag runs empty or no slot is free.
void Command9_Click(Murmex& m, Platform& platform);
