#pragma once

struct Murmex;
struct Platform;

// The immediate effect of selecting option button k, by the player or by the options file:
// the result list is refreshed for the list options, the draw button and the quick save
// follow their options at once.
void Option1_Click(Murmex& m, int k);

// "speichern" in the options window: the options file, telling the player when it could not
// be written.
void optionen_Command1_Click(Murmex& m, Platform& platform);
