#pragma once

struct Murmex;

// Rebuilds ergebnis_sortiert from Ergebnisliste: best first, cut to 10 lines when
// "maximal 10 Wörter" is chosen, separators after places 5, 10 and 20; then the Top sums.
void liste_aktualisieren(Murmex& m);
// Top_5, Top_10, Top_20: the sums of the best 5, 10 or 20 scores, empty while there are fewer.
void tops(Murmex& m);
// Clears the move's lists and all results of the turn.
void listen_löschen(Murmex& m);
