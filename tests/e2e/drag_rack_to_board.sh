#!/usr/bin/env bash
# shellcheck disable=SC2046,SC2086 # coordinates are passed on as two words
# Starts the real program on its own Xvfb display, fetches a tile from the bag onto the rack
# with a double-click and drags it with the mouse from the rack onto H8; the screen must show
# the tile on H8 and an empty rack slot.
# Usage: drag_rack_to_board.sh PATH_TO_MURMEX
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_setup "$1"
e2e_start_program

h_tile=34
bag_command=$(middle 5880 8505 2010 390)

expect_colour "H8 before the move" "$double_word" square 113

# "Säckchen zeigen", a double-click on an H in the bag, "Säckchen verbergen".
click $bag_command
expect_colour "the H in the shown bag" "$tile" bag $h_tile
double_click bag $h_tile
expect_colour "rack slot 0 after the double-click" "$tile" slot 0
expect_colour "the H's bag cell" "$frame" bag $h_tile
click $bag_command
sleep 0.3

drag slot 0 square 113
expect_colour "H8 after the drop" "$tile" square 113
expect_colour "rack slot 0 after the drop" "$frame" slot 0
echo "PASS: the H went from the bag to the rack and from the rack onto H8"
