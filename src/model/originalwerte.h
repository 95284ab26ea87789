#pragma once

struct Murmex;

// Sets the premium multipliers, completes the original tile cells and empties the rack.
// Every call after the first leaves the same result.
void originalwerte(Murmex& m);
