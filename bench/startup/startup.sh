#!/usr/bin/env bash
# Start-up time and resident memory of the program against an empty Qt window, side by side
# in one run under a private Xvfb: prints the medians of RUNS starts of each.
# usage: bench/startup/startup.sh BUILD_DIRECTORY [RUNS]
set -euo pipefail
build=$(realpath "$1")
runs=${2:-11}
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$build/bin/murmex" "$work/"

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & echo "pid $!"; wait)
read -r _ xvfb <&3
read -r display <&3
export DISPLAY=":$display"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
measure() {
    local out
    out=$(for _ in $(seq "$runs"); do "$build/bench/startup/launchtimer" "$@"; done)
    echo "$(cut -d' ' -f1 <<<"$out" | median) ms  $(cut -d' ' -f2 <<<"$out" | median) KiB"
}
echo "empty window:  $(measure "$build/bench/startup/bench_emptywindow")"
echo "Murmex:        $(measure "$work/murmex")"
