#!/usr/bin/env bash
# shellcheck disable=SC2046,SC2086 # coordinates are passed on as two words
# Plays two turns with real mouse events and follows what the program shows and writes:
# start-up, bag, rack, a first word over the centre, the result list and the clipboard, fixing,
# saving under a name, drawing at random, a second word with cross words, a new game, loading
# the game back, and closing the window with the save question answered.
# Usage: play_save_load.sh PATH_TO_MURMEX
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

e2e_setup "$1" xclip python3

base_title=$(printf '%-41s' "Murmex-Calculator  V 2.5.2")
game=Testspiel
game_title="$base_title      Spiel: $game"
game_file=$data/$game.txt

# Buttons and fields, as rectangles in twips of the central widget.
bag_command="5880 8505 2010 390"
ende="5880 8925 2010 390"
punkte_button() { echo "$((8010 + 120)) $((1000 + 450 * $1)) 3000 400"; }
neues_spiel=$(punkte_button 0)
aufraeumen=$(punkte_button 1)
fixieren=$(punkte_button 2)
speichern_unter=$(punkte_button 3)
speichern=$(punkte_button 4)
laden=$(punkte_button 5)
uebernehmen=$(punkte_button 7)
datei_field="$((720 + 720)) $((1920 + 3720)) 6015 285"
panel_ok="$((720 + 240)) $((1920 + 4200)) 3135 615"
press() { click $(middle "$@"); }

title_is() { [ "$(xdotool getwindowname "$window")" = "$1" ]; }
expect_title() { # what, title
    e2e_poll title_is "$2" || e2e_fail "$1: the title is '$(xdotool getwindowname "$window")'"
}

# Line n of a game file without its CR.
line_of() { sed -n "$2p" "$1" | tr -d '\r'; }
line_is() { [ "$(line_of "$1" "$2")" = "$3" ]; }
expect_line() { # file, line number, content
    e2e_poll line_is "$1" "$2" "$3" ||
        e2e_fail "line $2 of ${1##*/} is '$(line_of "$1" "$2")', expected '$3'"
}

# Answers the modal message box with a key (alt+j, alt+n) once it is up.
answer() { # what, key
    local box
    box=$(timeout 5 xdotool search --sync --onlyvisible --name '^a c h t u n g' | head -n1) ||
        e2e_fail "no message box for $1"
    xdotool windowfocus --sync "$box" key "$2"
    e2e_wait "the message box for $1 stays open" \
        bash -c "! xdotool search --onlyvisible --name '^a c h t u n g' >/dev/null"
}

# Waits for the save or load panel and types the name into its name field.
type_name() {
    expect_pixel "the name field" "$white" $(middle $datei_field)
    press $datei_field
    xdotool key ctrl+a type --delay 30 "$1"
}

# The points frame and its result list are back in place of the bag.
expect_points_frame() {
    expect_pixel "the result list" "$white" $(middle 8130 4680 3015 3210)
}

clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

# --- First start: title, data directory, options with their design selections.
e2e_start_program
expect_title "at start-up" "$base_title"
[ -d "$data" ] || e2e_fail "no Spiele beside the program"
e2e_wait "no optionen.ini" test -s "$data/optionen.ini"
grep -qvx $'[01]\r' "$data/optionen.ini" && e2e_fail "optionen.ini holds more than 0 and 1"
expect_line "$data/optionen.ini" 5 1
expect_line "$data/optionen.ini" 6 0

# --- Seven tiles onto the rack: H A U S E N by double-click, T by dragging it from the bag.
press $bag_command
expect_colour "the shown bag" "$tile" bag 34
slot=0
for tile_number in 34 1 87 74 14 54; do
    double_click bag $tile_number
    expect_colour "rack slot $slot" "$tile" slot $slot
    expect_colour "bag cell $tile_number after the double-click" "$frame" bag $tile_number
    slot=$((slot + 1))
done
drag bag 81 slot 6
expect_colour "rack slot 6 after the drag" "$tile" slot 6
expect_colour "bag cell 81 after the drag" "$frame" bag 81
press $bag_command
expect_points_frame

# --- HAUS across H8 to H11 with the mouse, into the list, onto the clipboard, fixed.
for slot in 0 1 2 3; do
    drag slot $slot square $((113 + slot))
    expect_colour "square $((113 + slot)) after the drop" "$tile" square $((113 + slot))
done
press $uebernehmen
read -r list_x list_y < <(at 8130 4680)
e2e_wait "the result list stays empty" has_ink $((list_x + 4)) $((list_y + 2)) 150 14
# A left click on the entry opens its menu at the pointer; its second item copies the word.
click $((list_x + 40)) $((list_y + 8))
e2e_wait "no menu over the result list" pixel_is_not "$white" $((list_x + 80)) $((list_y + 40))
xdotool key Down Down Return
e2e_wait "the clipboard holds '$(xclip -o -selection clipboard 2>/dev/null)'" \
    clipboard_is " 10 HAUS H8 - H11"
press $fixieren

# --- Save under a name, then end without a question.
press $speichern_unter
type_name "$game"
press $panel_ok
expect_title "after saving" "$game_title"
e2e_wait "no game file" test -s "$game_file"
expect_line "$game_file" 113 "113 H02 F 1 1 034"
expect_line "$game_file" 114 "114 A01 F 1 1 001"
expect_line "$game_file" 115 "115 U01 F 1 1 087"
expect_line "$game_file" 116 "116 S01 F 1 1 074"
expect_line "$game_file" $((225 + 34)) "___ ___ M _ _ ___"
expect_line "$game_file" $((327 + 5)) "___ E01 M _ _ 014"
expect_line "$game_file" $((327 + 7)) "___ T01 M _ _ 081"
[ "$(grep -c $'\r$' "$game_file")" = "$(wc -l <"$game_file")" ] ||
    e2e_fail "the game file has lines without CR LF"
press $ende
e2e_wait_for_exit

# --- Second start, alone with the random generator and with "Spiel speichern" enabled.
awk 'NR == 5 || NR == 9 { $0 = "0\r" } NR == 6 || NR == 10 { $0 = "1\r" } { print }' \
    "$data/optionen.ini" \
    >"$work/optionen.ini"
mv "$work/optionen.ini" "$data/optionen.ini"
e2e_start_program
press $laden
type_name "$game"
press $panel_ok
expect_title "after loading" "$game_title"
expect_colour "H8 after loading" "$tile" square 113
expect_colour "rack slot 0 after loading" "$frame" slot 0
expect_colour "rack slot 4 after loading" "$tile" slot 4

# "Buchstaben ziehen" in the bag command's place fills the rack up to seven tiles.
press $bag_command
for slot in 0 1 2 3; do
    expect_colour "rack slot $slot after drawing" "$tile" slot $slot
done

# EN below HA: the cross words HE and AN, the N on a double letter: 3 + 3 + 3.
drag slot 4 square 128
drag slot 5 square 129
expect_colour "square 128 after the drop" "$tile" square 128
expect_colour "square 129 after the drop" "$tile" square 129

# "Neues Spiel" asks first; Yes opens the save panel with the game's name, the file exists.
press $neues_spiel
answer "the save question" alt+j
expect_pixel "the name field" "$white" $(middle $datei_field)
press $panel_ok
answer "overwriting" alt+j
expect_line "$game_file" 336 9
expect_line "$game_file" 128 "128 E01 M 1 1 014"
expect_line "$game_file" 129 "129 N01 M 2 1 054"
drawn=$(sed -n 328,331p "$game_file" | grep -vc '^___ ___')
[ "$drawn" = 4 ] || e2e_fail "the rack holds $drawn drawn tiles, expected 4"
empty_bag_cells=$(sed -n 226,327p "$game_file" | grep -c '^___ ___')
[ "$empty_bag_cells" = 11 ] || e2e_fail "$empty_bag_cells bag cells are empty, expected 11"

press $neues_spiel
expect_title "after the new game" "$base_title"
expect_colour "H8 after the new game" "$double_word" square 113
expect_colour "rack slot 0 after the new game" "$frame" slot 0

# Loaded back, the board is there again and the score is rescored.
press $laden
type_name "$game"
press $panel_ok
expect_title "after loading again" "$game_title"
expect_colour "square 129 after loading again" "$tile" square 129
expect_colour "H8 after loading again" "$tile" square 113
rm "$game_file"
press $speichern
expect_line "$game_file" 336 9
expect_line "$game_file" 129 "129 N01 M 2 1 054"

# "Aufräumen" takes E and N back to the rack; closing the window then saves on Yes.
press $aufraeumen
python3 "$(dirname "$0")/close_window.py" "$window"
answer "the save question on closing" alt+j
e2e_wait_for_exit
expect_line "$game_file" 336 0
expect_line "$game_file" 128 "128 ___ M 1 1 ___"
expect_line "$game_file" 113 "113 H02 F 1 1 034"
[ "$(sed -n 328,335p "$game_file" | grep -vc '^___ ___')" = 7 ] ||
    e2e_fail "the rack does not hold seven tiles after tidying up"
echo "PASS: two turns played, saved, loaded and saved on closing"
