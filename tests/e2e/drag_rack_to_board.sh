#!/usr/bin/env bash
# shellcheck disable=SC2046,SC2086 # coordinates are passed on as two words
# Starts the real program on its own Xvfb display, fetches a tile from the bag onto the rack
# with a double-click and drags it with the mouse from the rack onto H8; the screen must show
# the tile on H8 and an empty rack slot.
# Usage: drag_rack_to_board.sh PATH_TO_MURMEX
set -euo pipefail

program=$1
for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and tells its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
export DISPLAY=":$(head -n1 "$work/display")"

# A fresh copy, so that the program makes its data directory in the temporary folder.
mkdir "$work/bin"
cp "$program" "$work/bin/murmex"
QT_QPA_PLATFORM=xcb "$work/bin/murmex" >"$work/murmex.log" 2>&1 &
app_pid=$!

window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Murmex-Calculator' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$window")"

# The layout is given in twips of the central widget, which sits below the menu bar.
px() { echo $((($1 + 7) / 15)); }
central_x=$X
central_y=$((Y + HEIGHT - $(px 10335)))
cell=$(px 495)

# The top left corner of a cell on the screen: square n, rack slot j or bag cell n.
origin() {
    local kind=$1 n=$2
    case $kind in
    square) echo "$((central_x + $(px $((600 + 480 * ((n - 1) % 15))))))" \
        "$((central_y + $(px $((720 + 480 * ((n - 1) / 15))))))" ;;
    slot) echo "$((central_x + $(px 105) + $(px $((120 + 480 * n)))))" \
        "$((central_y + $(px 8295) + $(px 360)))" ;;
    bag) echo "$((central_x + $(px 8010) + $(px $((180 + 480 * ((n - 1) % 6))))))" \
        "$((central_y + $(px $((300 + 480 * ((n - 1) / 6))))))" ;;
    esac
}
centre() {
    local x y
    read -r x y < <(origin "$1" "$2")
    echo "$((x + cell / 2)) $((y + cell / 2))"
}

# Waits until a cell shows the colour at a point of the tile face clear of letter, value and
# edges: the tile colour while it holds a tile, its background while it is empty.
expect_colour() { # what, expected colour, cell kind, index
    local what=$1 expected=$2 x y seen=
    read -r x y < <(origin "$3" "$4")
    for _ in $(seq 40); do
        import -window root "$work/screen.png"
        seen=$(convert "$work/screen.png" -format "%[pixel:p{$((x + 24)),$((y + 8))}]" info:)
        [ "$seen" = "$expected" ] && return 0
        sleep 0.1
    done
    echo "FAIL: $what shows $seen, expected $expected"
    cp "$work/screen.png" "${TMPDIR:-/tmp}/murmex-e2e-failure.png"
    exit 1
}

tile='srgb(255,222,99)'
double_word='srgb(247,172,154)'
frame='srgb(51,102,51)'
h_tile=34
bag_command="$((central_x + $(px 5880) + $(px 2010) / 2)) $((central_y + $(px 8505) + $(px 390) / 2))"

expect_colour "H8 before the move" "$double_word" square 113

# "Säckchen zeigen", a double-click on an H in the bag, "Säckchen verbergen".
xdotool mousemove $bag_command click 1
expect_colour "the H in the shown bag" "$tile" bag $h_tile
xdotool mousemove $(centre bag $h_tile) click --repeat 2 --delay 60 1
expect_colour "rack slot 0 after the double-click" "$tile" slot 0
expect_colour "the H's bag cell" "$frame" bag $h_tile
xdotool mousemove $bag_command click 1
sleep 0.3

# Press on the rack slot, move in steps, release over H8.
read -r from_x from_y < <(centre slot 0)
read -r to_x to_y < <(centre square 113)
xdotool mousemove "$from_x" "$from_y" mousedown 1
for step in $(seq 1 10); do
    sleep 0.05
    xdotool mousemove $((from_x + (to_x - from_x) * step / 10)) \
        $((from_y + (to_y - from_y) * step / 10))
done
sleep 0.1
xdotool mouseup 1

expect_colour "H8 after the drop" "$tile" square 113
expect_colour "rack slot 0 after the drop" "$frame" slot 0
echo "PASS: the H went from the bag to the rack and from the rack onto H8"
