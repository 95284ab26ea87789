#pragma once

#include <QString>

// The directory "Spiele" beside the program, created when missing. When it cannot be created
// or written there (an installed, read-only program directory), "Spiele" in the fallback
// location is used instead; the result is empty only when neither can be used.
QString prepareDataDirectory(const QString& programDirectory, const QString& fallbackLocation);

// "Spiele" inside base, created when missing; empty when it cannot be written.
QString usableDataDirectory(const QString& base);

// Where "Spiele" goes when the program directory cannot take it.
QString fallbackDataLocation();
