#!/usr/bin/env bash
# The game in a real window under Xvfb, driven by hand-made input (xdotool).
#   rest  On a machine at rest (by hand; other work on the machine shows in the share):
#         1. The title menu at rest: the process's CPU time over 10 s, read from /proc (the
#            target is under 1 % of one core).
#         2. Frames shown when drawn: the settings screen opened with a click, then its "Idle
#            thoughts" check box clicked 12 times; each click must show within 0.4 s, with no
#            further input.
#   keys  The key cases of scripts/window_cases.sh, each try in a fresh game process on a fresh
#         player folder; one line per try, PASS or FAIL, and the step that failed. test.sh runs
#         them while the tests load the machine.
# scripts/window_check.sh [rest] [keys] runs the parts named, both by default. Needs Xvfb,
# xdotool, a C compiler with the X11 and zlib headers (test.sh installs them) and a Release
# build with its window_fixture (test.sh builds both). GAME=path picks another build,
# WINDOW_TRIES the tries of each key case (3; the held-up number entry always has 6),
# WINDOW_CASES the cases to run (all), WINDOW_SHOTS where a failed try leaves its screen.
# Exit status 1 when a target is missed or a try fails.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
game=${GAME:-$root/build/release/vexmoor}
fixture=${FIXTURE:-$(dirname "$game")/window_fixture}
shots=${WINDOW_SHOTS:-$root/build/window-shots}
parts=("$@")
[ ${#parts[@]} = 0 ] && parts=(rest keys)
for f in "$game" "$fixture"; do
    [ -x "$f" ] || { echo "window check: no $f (build the Release build's vexmoor and window_fixture)"; exit 1; }
done
work=$(mktemp -d)
xvfb=""
pid=""
status=0

# The game runs (an ended one stays a zombie until it is waited for).
alive() {
    local state
    state=$(awk '/^State:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
    [ -n "$pid" ] && [ -n "$state" ] && [ "$state" != Z ]
}

# Ends the game this script started, if it still runs.
stop_game() {
    [ -n "$pid" ] || return 0
    kill -CONT "$pid" 2>/dev/null
    kill "$pid" 2>/dev/null
    local i
    for i in $(seq 30); do alive || break; sleep 0.1; done
    alive && kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=""
}

cleanup() {
    stop_game
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cc -O2 tests/window/xprobe.c -o "$work/xprobe" -lX11 -lz || exit 1
probe() { "$work/xprobe" "$@"; }

# A display number of our own: a free one of 200..299; Xvfb refuses one taken meanwhile.
for n in $(shuf -i 200-299); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        kill -0 "$xvfb" 2>/dev/null || break
        # Connected, and to our own server: one started on the same number meanwhile wins the lock.
        probe pixel 0 0 >/dev/null 2>&1 && sleep 0.3 && kill -0 "$xvfb" 2>/dev/null && break 2
        sleep 0.1
    done
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    xvfb=""
done
[ -n "$xvfb" ] || { echo "window check: no display could be started"; exit 1; }

# new_folder NAME TRIM DELAY: a player folder of its own with these options; prints its
# XDG_DATA_HOME.
new_folder() {
    local data="$work/$1"
    rm -rf "$data"
    mkdir -p "$data"
    "$fixture" "$data/vexmoor" options "$2" "$3" >/dev/null || return 1
    echo "$data"
}

# start_game DATA: the game on that folder, its window shown and focused.
start_game() {
    HOME=$1 XDG_DATA_HOME=$1 "$game" 2>>"$work/stderr" &
    pid=$!
    local w
    w=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vexmoor 2$' 2>/dev/null | head -1)
    [ -n "$w" ] || return 1
    xdotool windowfocus "$w" 2>/dev/null
    return 0
}

# wait_exit SECONDS: the game has ended; its status in exit_status.
wait_exit() {
    local i
    for ((i = 0; i < $1 * 10; ++i)); do
        if ! alive; then
            wait "$pid"
            exit_status=$?
            pid=""
            return 0
        fi
        sleep 0.1
    done
    return 1
}

if [[ " ${parts[*]} " == *" rest "* ]]; then
    # The title pages trimmed: the game goes straight to the menu.
    data=$(new_folder rest 1 50) && start_game "$data" || { echo "rest: the game did not start"; exit 1; }
    sleep 3

    # CPU time of every thread in nanoseconds (schedstat; the tick counts of stat are too coarse).
    cpu() { awk '{ s += $1 } END { printf "%d", s }' /proc/"$pid"/task/*/schedstat; }
    c0=$(cpu); t0=$(date +%s.%N)
    sleep 10
    c1=$(cpu); t1=$(date +%s.%N)
    share=$(awk -v c="$((c1 - c0))" -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", 100 * c / 1e9 / (b - a) }')
    echo "title menu at rest: $share % of one core over 10 s"
    awk -v s="$share" 'BEGIN { exit !(s < 1.0) }' || { echo "  above 1 %"; status=1; }

    xdotool mousemove 315 256; sleep 0.3; xdotool click 1; sleep 0.8  # Settings
    stale=0
    before=$(probe pixel 485 271)
    for i in $(seq 12); do
        xdotool mousemove $((474 + i % 3)) 276; sleep 0.2; xdotool click 1; sleep 0.4
        now=$(probe pixel 485 271)
        [ "$now" = "$before" ] && stale=$((stale + 1))
        before=$now
    done
    echo "check box clicks not shown within 0.4 s: $stale of 12"
    [ "$stale" = 0 ] || status=1
    stop_game
fi

if [[ " ${parts[*]} " == *" keys "* ]]; then
    . scripts/window_cases.sh
    run_cases || status=1
fi

if [ -s "$work/stderr" ]; then
    echo "standard error of the game:"
    sort "$work/stderr" | uniq -c
fi
exit $status
