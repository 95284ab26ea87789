#pragma once

struct Murmex;
struct Platform;

// "Spielstand laden" and its menu item: after the save question, the load panel in the data
// directory. Answering No to the question gives the board up, so it counts as saved.
// True when the load panel opened; the personal dictionary then may collect words again.
bool l_Command_Click(Murmex& m, Platform& platform);
