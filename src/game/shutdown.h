#pragma once

#include <QString>

struct Murmex;
struct Platform;

// "Ende" and its menu item: True when the program may end, after the save question.
bool Command7_Click(Murmex& m, Platform& platform);

// The main window is closing: an unsaved board is saved under the current game name or
// "(aktuell)" when the player wants it. When that file cannot be written, the game goes to
// "(aktuell).txt" in the fallback data location and the player is told where it is. The
// window closes in any case.
void Form_Unload(Murmex& m, Platform& platform, const QString& fallbackLocation);
