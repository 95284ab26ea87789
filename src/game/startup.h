#pragma once

#include <QString>

struct Murmex;

// The main window's start-up: data directory, options, premium board and the first empty game.
// Start-up never shows a message and never restores an earlier game.
void Form_Load(Murmex& m, const QString& programDirectory, const QString& fallbackLocation);
