#pragma once

#include <QString>

struct Murmex;

// "optionen.ini" in the data directory: twelve lines "1" or "0", one per option button.
QString optionsFilePath(const Murmex& m);

// False when the file could not be written.
bool writeOptionsFile(const Murmex& m);

// Start-up: the file is written from the current selections first when it is missing. Line
// k + 1 selects button k when it reads "Wahr", "True" or "1" (the button takes its effect),
// deselects it for "Falsch", "False" or "0", and leaves it for anything else. Values beyond
// the twelfth are ignored; buttons without a line keep their selection.
void readOptionsFile(Murmex& m);
