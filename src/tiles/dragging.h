#pragma once

#include "tiles/cellref.h"

struct Murmex;
struct Platform;

// Dragging tiles between bag, rack and board. A press may begin a drag; the drop handlers
// are told the cell the tile came from.

// A press on a movable board tile takes it up at once: booked with "-" in gelegt and
// rescored while it is still shown. True when the tile may be dragged.
bool a_MouseDown(Murmex& m, int q);
bool bb_MouseDown(Murmex& m, int slot);
bool s_MouseDown(const Murmex& m, int cell);

// The area whose cell got the focus last: during a drag, where the tile came from.
void a_GotFocus(Murmex& m);
void bb_GotFocus(Murmex& m);
void s_GotFocus(Murmex& m);

void a_DragDrop(Murmex& m, Platform& platform, int q, CellRef source);
void bb_DragDrop(Murmex& m, Platform& platform, int slot, CellRef source);
// Any bag cell: the tile always goes home to its own cell.
void s_DragDrop(Murmex& m, Platform& platform, CellRef source);

// A drag released over no cell at all: a tile taken up from the board stays where it was.
void dragEndedOutside(Murmex& m, CellRef source);
