#pragma once

struct Murmex;
struct Platform;

// "Wort in Top-Liste übernehmen": the move on the board becomes a result line, once.
void Command6_Click(Murmex& m, Platform& platform);
// "Wort löschen": the line at selectedEntry, after a question.
void mnu_loeschen_Click(Murmex& m, Platform& platform);
// "Liste löschen": every result line, without a question.
void mnu_alles_öschen_Click(Murmex& m);

enum class MouseButton { Left, Right, Other };
enum class ResultListMenu { None, Word, List };

// A press on the visible result list remembers the selected line; the left button opens the
// word menu, the right button the list menu.
ResultListMenu ergebnis_sortiert_MouseDown(Murmex& m, int selectedIndex, MouseButton button);

// The line the word menu acts on, or nothing while no line is selected.
bool hasSelectedEntry(const Murmex& m);
