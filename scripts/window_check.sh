#!/usr/bin/env bash
# The game in a real window under Xvfb, checked by hand-made input (xdotool); not part of CI.
#   1. The title menu at rest: the process's CPU time over 10 s, read from /proc (the target
#      is under 1 % of one core).
#   2. Frames shown when drawn: the settings screen opened with a click, then its "Idle
#      thoughts" check box clicked 12 times; each click must show within 0.4 s, with no
#      further input.
# Needs Xvfb and xdotool (apt-get install xvfb xdotool) and a Release build (play.sh makes
# one); GAME=path picks another build. Exit status 1 when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
game=${GAME:-$PWD/build/release/vexmoor}
work=$(mktemp -d)
display=:$(( 90 + RANDOM % 100 ))
xvfb=""
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A pixel of the screen, read with Xlib.
cat >"$work/pixel.c" <<'C'
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    Display* d = XOpenDisplay(NULL);
    if (!d || argc < 3) return 1;
    XImage* im = XGetImage(d, DefaultRootWindow(d), atoi(argv[1]), atoi(argv[2]), 1, 1, AllPlanes, ZPixmap);
    printf("%06lx\n", XGetPixel(im, 0, 0));
    return 0;
}
C
cc "$work/pixel.c" -o "$work/pixel" -lX11

Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1

# A player folder with the title pages trimmed: the game goes straight to the menu.
folder="$work/home/.local/share/vexmoor/Mod/GameData"
mkdir -p "$folder"
printf '\x32\x00\x02\x00\x01\x00\x00\x00\x00\x00\x03\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$folder/Option.dat"
HOME="$work/home" XDG_DATA_HOME= "$game" 2>"$work/stderr" &
pid=$!
sleep 3
xdotool windowfocus "$(xdotool search --name 'Vexmoor 2' | head -1)"
sleep 1

# CPU time of every thread in nanoseconds (schedstat; the tick counts of stat are too coarse).
cpu() { awk '{ s += $1 } END { printf "%d", s }' /proc/"$pid"/task/*/schedstat; }
c0=$(cpu); t0=$(date +%s.%N)
sleep 10
c1=$(cpu); t1=$(date +%s.%N)
share=$(awk -v c="$((c1 - c0))" -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", 100 * c / 1e9 / (b - a) }')
echo "title menu at rest: $share % of one core over 10 s"
status=0
awk -v s="$share" 'BEGIN { exit !(s < 1.0) }' || { echo "  above 1 %"; status=1; }

xdotool mousemove 315 256; sleep 0.3; xdotool click 1; sleep 0.8  # Settings
stale=0
before=$("$work/pixel" 485 271)
for i in $(seq 12); do
    xdotool mousemove $((474 + i % 3)) 276; sleep 0.2; xdotool click 1; sleep 0.4
    now=$("$work/pixel" 485 271)
    [ "$now" = "$before" ] && stale=$((stale + 1))
    before=$now
done
echo "check box clicks not shown within 0.4 s: $stale of 12"
[ "$stale" = 0 ] || status=1
if [ -s "$work/stderr" ]; then
    echo "standard error of the game:"
    cat "$work/stderr"
fi
exit $status
