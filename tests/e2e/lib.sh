# shellcheck shell=bash disable=SC2034 # the coordinates are used by the scenarios
# Shared set-up of the end-to-end scenarios: their own Xvfb display, a fresh copy of the program
# in a temporary program directory, and helpers that turn the window's twips into mouse events.
# Source it, then call e2e_setup PROGRAM [TOOL...]; everything is cleaned up on exit.

# Exits 77, which CTest reports as skipped, when a tool is missing.
e2e_require() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed"
            exit 77
        fi
    done
}

e2e_cleanup() {
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}

# Starts Xvfb and copies the program into $work/bin, so that its data directory $data is
# made in the temporary folder.
e2e_setup() {
    local program=$1
    shift
    e2e_require Xvfb xdotool import convert "$@"
    work=$(mktemp -d)
    xvfb_pid=
    app_pid=
    trap e2e_cleanup EXIT

    # Xvfb picks a free display and tells its number.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY

    mkdir "$work/bin"
    cp "$program" "$work/bin/murmex"
    data=$work/bin/Spiele
}

e2e_fail() {
    echo "FAIL: $*"
    import -window root "${TMPDIR:-/tmp}/murmex-e2e-failure.png" 2>/dev/null || true
    exit 1
}

# Polls a command until it succeeds, for about five seconds.
e2e_poll() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

e2e_wait() { # message, command...
    local what=$1
    shift
    e2e_poll "$@" || e2e_fail "$what"
}

px() { echo $((($1 + 7) / 15)); }

# Starts the program and finds its main window; no window manager, so it sits at 0,0.
e2e_start_program() {
    QT_QPA_PLATFORM=xcb "$work/bin/murmex" >>"$work/murmex.log" 2>&1 &
    app_pid=$!
    window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Murmex-Calculator' | head -n1)
    local X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The layout is given in twips of the central widget, which sits below the menu bar.
    central_x=$X
    central_y=$((Y + HEIGHT - $(px 10335)))
    cell=$(px 495)
}

program_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

e2e_wait_for_exit() {
    e2e_wait "the program did not end" program_ended
    wait "$app_pid" || true
    app_pid=
}

# A point of the central widget given in twips.
at() { echo "$((central_x + $(px "$1"))) $((central_y + $(px "$2")))"; }

# The centre of a rectangle given in twips: left, top, width, height.
middle() { at $(($1 + $3 / 2)) $(($2 + $4 / 2)); }

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

click() { # x y
    xdotool mousemove "$1" "$2" click 1
}

double_click() { # cell kind, index
    local x y
    read -r x y < <(centre "$1" "$2")
    xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1
}

# Presses on one cell, moves in steps as a hand would and releases over the other.
drag() { # from kind, from index, to kind, to index
    local from_x from_y to_x to_y step
    read -r from_x from_y < <(centre "$1" "$2")
    read -r to_x to_y < <(centre "$3" "$4")
    xdotool mousemove "$from_x" "$from_y" mousedown 1
    for step in $(seq 1 10); do
        sleep 0.05
        xdotool mousemove $((from_x + (to_x - from_x) * step / 10)) \
            $((from_y + (to_y - from_y) * step / 10))
    done
    sleep 0.1
    xdotool mouseup 1
}

pixel_is() { # expected colour, x, y
    import -window root "$work/screen.png"
    seen=$(convert "$work/screen.png" -format "%[pixel:p{$2,$3}]" info:)
    [ "$seen" = "$1" ]
}

expect_pixel() { # what, expected colour, x, y
    seen=
    e2e_poll pixel_is "$2" "$3" "$4" || e2e_fail "$1 shows $seen, expected $2"
}

pixel_is_not() { ! pixel_is "$@"; }

# Whether a rectangle of the screen, in pixels, holds something darker than mid grey: text.
has_ink() { # x, y, width, height
    import -window root "$work/screen.png"
    [ "$(convert "$work/screen.png" -crop "$3x$4+$1+$2" -colorspace Gray -format '%[fx:minima<0.5]' info:)" = 1 ]
}

# The colour at a point of the tile face clear of letter, value and edges: the tile colour
# while the cell holds a tile, its background while it is empty.
cell_colour_is() { # expected colour, cell kind, index
    local x y
    read -r x y < <(origin "$2" "$3")
    pixel_is "$1" $((x + 24)) $((y + 8))
}

expect_colour() { # what, expected colour, cell kind, index
    seen=
    e2e_poll cell_colour_is "$2" "$3" "$4" || e2e_fail "$1 shows $seen, expected $2"
}

tile='srgb(255,222,99)'
double_word='srgb(247,172,154)'
frame='srgb(51,102,51)'
white='srgb(255,255,255)'
